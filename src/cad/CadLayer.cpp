// Placeholder so the layer library is never empty.
namespace quolsa_cad_layer {}
