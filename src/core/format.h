// Number formatting shared by the engine's messages.
#ifndef TESSERA_CORE_FORMAT_H_
#define TESSERA_CORE_FORMAT_H_

#include <string>

namespace tessera {
namespace core {

// `value` as the C format "%f" prints it in the C locale: fixed notation with
// six decimals ("91.000000", "-0.124625"); infinities and NaN as "inf",
// "-inf", "nan" or "-nan". Every finite double fits.
std::string format_f(double value);

}  // namespace core
}  // namespace tessera

#endif  // TESSERA_CORE_FORMAT_H_
