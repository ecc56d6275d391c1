// A datagram as the location service receives it, answered over the device
// engine: it either names an address the device takes or says in one log
// line, with the sender's bytes escaped, why it does not.
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "fixture_engine.h"
#include "fuzz_target.h"
#include "service/request.h"

namespace {

// Whether `line` is safe to print as one line of the log.
bool is_one_clean_line(std::string_view line) {
  for (const char c : line) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x20 || byte == 0x7f) return false;
  }
  return true;
}

[[noreturn]] void fail(const char* what) {
  std::fprintf(stderr, "%s\n", what);
  std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data,
                                      std::size_t size) {
  using namespace tessera;
  const service::Answer answer = service::answer_request(
      fuzz::fixture_device_engine(),
      std::string_view(reinterpret_cast<const char*>(data), size));
  if (answer.address) {
    if (answer.address->empty() || answer.address->size() > 67) {
      fail("an address the device cannot take");
    }
    if (!answer.message.empty()) fail("a message beside an address");
    if (!is_one_clean_line(*answer.address)) fail("an address with controls");
  } else if (answer.message.empty() || !is_one_clean_line(answer.message)) {
    fail("a refusal without one clean log line");
  }
  return 0;
}
