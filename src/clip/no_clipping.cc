#include "clip/no_clipping.h"

namespace tessera {
namespace clip {

bool NoClipping::keep(const Coordinates&) const { return true; }

std::unique_ptr<const Clip> no_clipping() {
  return std::make_unique<const NoClipping>();
}

}  // namespace clip
}  // namespace tessera
