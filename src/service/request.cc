#include "service/request.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <utility>

#include "service/log_text.h"
#include "tessera/coordinates.h"
#include "tessera/language.h"

namespace tessera {
namespace service {
namespace {

// The device takes an address of at most 67 bytes and its NUL.
constexpr std::size_t kAddressCapacity = 68;

Answer refusal(std::string message) {
  Answer answer;
  answer.message = std::move(message);
  return answer;
}

Answer convert(const Engine& engine, double lat, double lng,
               const char* language_code) {
  try {
    const Coordinates position(lat, lng);
    const Language language(language_code);
    Optional<std::string> text = engine.convert_to_3wa(position, language);
    if (!text) return refusal("3wa Fail.");
    // Cut short, it would name another square.
    if (text->size() >= kAddressCapacity) {
      return refusal("Address too long: '" + escape_for_log(*text) + "'.");
    }
    Answer answer;
    answer.address = std::move(text);
    return answer;
  } catch (const std::exception& e) {
    return refusal(escape_for_log(e.what()));
  }
}

}  // namespace

Answer answer_request(const Engine& engine, std::string_view datagram) {
  // A full datagram has no terminator of its own.
  char text[kRequestSize + 1];
  const std::size_t size = std::min(datagram.size(), kRequestSize);
  if (size > 0) std::memcpy(text, datagram.data(), size);
  text[size] = '\0';

  char* rest = nullptr;
  char* const lat_token = strtok_r(text, " ", &rest);
  char* const lng_token =
      lat_token != nullptr ? strtok_r(nullptr, " ", &rest) : nullptr;
  char* const language_token =
      lng_token != nullptr ? strtok_r(nullptr, " ", &rest) : nullptr;
  if (language_token == nullptr) return refusal("Incomplete request.");
  const double lat = std::strtod(lat_token, nullptr);
  const double lng = std::strtod(lng_token, nullptr);
  return convert(engine, lat, lng, language_token);
}

}  // namespace service
}  // namespace tessera
