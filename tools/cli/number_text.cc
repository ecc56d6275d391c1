#include "cli/number_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <system_error>

namespace tessera {
namespace cli {
namespace {

// For the text of a finite decimal number that is not zero, whether its
// magnitude is below 1 (so that a range error means underflow, not
// overflow). `text` has no sign.
bool magnitude_below_one(std::string_view text) {
  const std::size_t exponent_at = text.find_first_of("eE");
  const std::string_view mantissa = text.substr(0, exponent_at);
  std::int64_t exponent = 0;
  if (exponent_at != std::string_view::npos) {
    std::string_view digits = text.substr(exponent_at + 1);
    bool negative = false;
    if (!digits.empty() && (digits[0] == '+' || digits[0] == '-')) {
      negative = digits[0] == '-';
      digits.remove_prefix(1);
    }
    for (const char c : digits) {
      if (c < '0' || c > '9') break;
      // Far beyond any double exponent, and far from overflowing.
      if (exponent < 1000000000) exponent = exponent * 10 + (c - '0');
    }
    if (negative) exponent = -exponent;
  }
  const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
  const std::size_t first_digit = mantissa.find_first_of("123456789");
  if (first_digit == std::string_view::npos) return true;
  // The power of ten of the leading digit.
  const std::int64_t lead =
      first_digit < point ? static_cast<std::int64_t>(point - first_digit) - 1
                          : -static_cast<std::int64_t>(first_digit - point);
  return lead + exponent < 0;
}

}  // namespace

bool parse_double(std::string_view text, double& value) {
  std::string_view number = text;
  if (!number.empty() && number[0] == '+') {
    number.remove_prefix(1);
    if (!number.empty() && number[0] == '-') return false;
  }
  if (number.empty()) return false;
  const char* const last = number.data() + number.size();
  double parsed = 0.0;
  const std::from_chars_result result =
      std::from_chars(number.data(), last, parsed);
  if (result.ptr != last) return false;
  if (result.ec == std::errc()) {
    value = parsed;
    return true;
  }
  if (result.ec != std::errc::result_out_of_range) return false;
  const bool negative = number[0] == '-';
  if (!magnitude_below_one(negative ? number.substr(1) : number)) return false;
  value = negative ? -0.0 : 0.0;
  return true;
}

std::string json_number_text(double value) {
  if (std::isnan(value)) return "NaN";
  if (std::isinf(value)) return value < 0 ? "-Infinity" : "Infinity";
  char buffer[32];
  const std::to_chars_result result =
      std::to_chars(buffer, buffer + sizeof buffer, value);
  std::string text(buffer, result.ptr);
  if (text.find_first_of(".e") == std::string::npos) text += ".0";
  return text;
}

std::string decimal_text(double value, int max_decimals) {
  // Room for the 309 integer digits of the largest double, a sign, a point
  // and the decimals.
  char buffer[340];
  const std::to_chars_result result =
      std::to_chars(buffer, buffer + sizeof buffer, value,
                    std::chars_format::fixed, max_decimals);
  std::string text(buffer, result.ptr);
  if (text.find('.') != std::string::npos) {
    text.erase(text.find_last_not_of('0') + 1);
    if (text.back() == '.') text.pop_back();
  }
  if (text == "-0") text = "0";
  return text;
}

}  // namespace cli
}  // namespace tessera
