// What the service prints about a request: the text a datagram carried,
// made safe to show in a log or on a terminal.
#ifndef TESSERA_SERVICE_LOG_TEXT_H_
#define TESSERA_SERVICE_LOG_TEXT_H_

#include <string>
#include <string_view>

namespace tessera {
namespace service {

// Returns `text` with every byte that could break a log line or drive a
// terminal written as "\x" and two lower-case hex digits ("\x1b"): the C0
// controls 0x00 to 0x1F (line feed included), DEL 0x7F, the two bytes of a
// C1 control character U+0080 to U+009F, and every byte that is not part of
// well-formed UTF-8 (a stray continuation byte, a truncated or overlong
// sequence, an encoded surrogate, anything above U+10FFFF). All other
// well-formed UTF-8 is kept byte for byte. A backslash is kept as it is.
std::string escape_for_log(std::string_view text);

}  // namespace service
}  // namespace tessera

#endif  // TESSERA_SERVICE_LOG_TEXT_H_
