// Numbers as text: exact reading, and the two ways the tool writes them.
#ifndef TESSERA_TOOLS_CLI_NUMBER_TEXT_H_
#define TESSERA_TOOLS_CLI_NUMBER_TEXT_H_

#include <string>
#include <string_view>

namespace tessera {
namespace cli {

// Reads all of `text` as a decimal number, rounded correctly to the nearest
// double, whatever the locale. Accepts one leading '+' or
// '-', and "inf", "infinity" and "nan" in any case. A value too small for a
// double reads as a zero of its sign. Returns false, leaving `value` alone,
// for empty text, trailing characters, or a value too large for a double.
bool parse_double(std::string_view text, double& value);

// The shortest text that reads back as exactly `value`, always with a '.' or
// an exponent so that it reads as a floating-point number ("0.1", "1e-07",
// "3.0", "-0.0"). Infinities and NaN are written "Infinity", "-Infinity" and
// "NaN", as JavaScript and Python spell them.
std::string json_number_text(double value);

// `value` rounded to at most `max_decimals` decimals, without trailing zeros
// or a trailing '.', and never "-0" ("51.5", "-0.12", "3", "0").
// Requires: 0 <= max_decimals <= 17.
std::string decimal_text(double value, int max_decimals);

}  // namespace cli
}  // namespace tessera

#endif  // TESSERA_TOOLS_CLI_NUMBER_TEXT_H_
