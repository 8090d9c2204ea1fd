// Placeholder so the layer library is never empty.
namespace quolsa_app_layer {}
