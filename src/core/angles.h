// Degrees and radians.
#ifndef TESSERA_CORE_ANGLES_H_
#define TESSERA_CORE_ANGLES_H_

namespace tessera {
namespace core {

// The double nearest to pi.
inline constexpr double kPi = 3.141592653589793;

// `degrees` in radians, computed as degrees * pi / 180 in that order: the
// other order rounds differently, and stored data depends on this one.
constexpr double radians(double degrees) noexcept {
  return degrees * kPi / 180.0;
}

}  // namespace core
}  // namespace tessera

#endif  // TESSERA_CORE_ANGLES_H_
