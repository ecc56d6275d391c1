#ifndef TESSERA_BOUNDING_BOX_H_
#define TESSERA_BOUNDING_BOX_H_

#include "tessera/coordinates.h"
#include "tessera/error_descriptor.h"

namespace tessera {

// An area between two latitudes and two longitudes. A box crossing the
// antimeridian cannot be expressed.
struct BoundingBox {
  Coordinates sw;
  Coordinates ne;

  // Throws InvalidArgumentError "Bounding box must have SW then NE: ..."
  // when sw lies north or east of ne. Degenerate boxes are valid.
  BoundingBox(const Coordinates& sw, const Coordinates& ne);

  static ErrorDescriptor are_valid(const Coordinates& sw,
                                   const Coordinates& ne);

  // All four edges are inclusive; a NaN coordinate is never contained.
  bool contains(const Coordinates& p) const;
};

}  // namespace tessera

#endif  // TESSERA_BOUNDING_BOX_H_
