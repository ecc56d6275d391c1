// A request to the service: the datagram "LAT LNG LANGUAGE" a device
// program sends, and what the service makes of it.
#ifndef TESSERA_SERVICE_REQUEST_H_
#define TESSERA_SERVICE_REQUEST_H_

#include <cstddef>
#include <string>
#include <string_view>

#include "tessera/engine.h"
#include "tessera/optional.h"

namespace tessera {
namespace service {

// A request is at most this long; the rest of a longer datagram is dropped.
constexpr std::size_t kRequestSize = 32;

// What the service does with one request.
struct Answer {
  // The address to hand to the device command, when there is one. It is
  // at most 67 bytes long, as the device takes no more.
  Optional<std::string> address;
  // Otherwise the line the service logs to say why, without its line feed.
  // Every byte the sender chose is shown escaped (see escape_for_log), so
  // the line never holds a control byte or malformed UTF-8.
  std::string message;
};

// Reads the request in `datagram`, of which only the first kRequestSize
// bytes count (a NUL among them ends the text), and converts its position
// with `engine`. Tokens are separated by spaces only, and words after the
// third are ignored; the latitude and longitude are read as far as they are
// numbers, and a token that does not start with one reads as 0.
//
// The answer has no address, and says why, for fewer than three tokens
// ("Incomplete request."), an invalid position, an unknown or uninstalled
// language, an excluded square ("3wa Fail.") or an address too long for the
// device. Never throws for anything the datagram holds: what a request
// brings about never ends the service.
Answer answer_request(const Engine& engine, std::string_view datagram);

}  // namespace service
}  // namespace tessera

#endif  // TESSERA_SERVICE_REQUEST_H_
