// Placeholder so the layer library is never empty.
namespace quolsa_viewer_layer {}
