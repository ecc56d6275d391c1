// A line of `tessera batch`: every line gets one response line, and nothing
// it holds escapes as an exception or a fault.
#include <string>

#include "cli/batch.h"
#include "fixture_engine.h"
#include "fuzz_target.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data,
                                      std::size_t size) {
  const std::string line(reinterpret_cast<const char*>(data), size);
  const std::string response =
      tessera::cli::answer_request(tessera::fuzz::fixture_engine(), line);
  if (response.empty() || response.find('\n') != std::string::npos) {
    __builtin_trap();
  }
  return 0;
}
