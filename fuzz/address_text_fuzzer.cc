// Caller text taken for an address: parsed into three words, and looked up
// by the engine, which must answer or throw its argument error.
#include <string>

#include "fixture_engine.h"
#include "fuzz_target.h"
#include "tessera/error.h"
#include "wordlist/three_word_address.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data,
                                      std::size_t size) {
  using namespace tessera;
  const std::string text(reinterpret_cast<const char*>(data), size);
  try {
    wordlist::parse_three_words(text);
  } catch (const InvalidArgumentError&) {
  }
  const Engine& engine = fuzz::fixture_engine();
  try {
    engine.convert_to_coordinates(text);
    engine.language_code(text);
  } catch (const InvalidArgumentError&) {
  }
  engine.is_valid_utf8(text);
  return 0;
}
