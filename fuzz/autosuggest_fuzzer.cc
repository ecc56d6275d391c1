// Input for autosuggest in every input type. The first byte picks the input
// type, the second the engine, the language and a few options; the rest is
// the input. A call either suggests or throws InvalidArgumentError (or its
// LanguageNotAvalableError), and one that the validity check refuses never
// suggests.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "fixture_engine.h"
#include "fuzz_target.h"
#include "tessera/autosuggest_options.h"
#include "tessera/error.h"
#include "tessera/error_descriptor.h"

namespace {

const char* const kInputTypes[] = {
    "text",   "generic-voice", "vocon-hybrid", "nmdp-asr",
    "mihup",  "mawdoo3",       "speechmatics", "tsr-ocr-sdk"};
constexpr std::size_t kInputTypeCount = sizeof kInputTypes / sizeof *kInputTypes;

const char* const kLanguages[] = {"en", "de", "ja", "fr"};

[[noreturn]] void fail(const char* what, const tessera::ErrorDescriptor& check) {
  std::fprintf(stderr, "%s (check %d: %s)\n", what, check.code,
               check.message.c_str());
  std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data,
                                      std::size_t size) {
  using namespace tessera;
  if (size < 2) return 0;
  const char* const type = kInputTypes[data[0] % kInputTypeCount];
  const std::uint8_t settings = data[1];
  const std::string input(reinterpret_cast<const char*>(data + 2), size - 2);

  // Bit 0: the device engine; bits 1-2: the language, which every type but
  // text needs (bit 3 leaves it out); bits 4-7: focus, a clip, sea allowed,
  // more results.
  const Engine& engine = (settings & 1) != 0 ? fuzz::fixture_device_engine()
                                             : fuzz::fixture_engine();
  std::vector<AutosuggestOption> options = {input_type(type)};
  if ((settings & 8) == 0) {
    options.push_back(language(Language(kLanguages[(settings >> 1) & 3])));
  }
  if ((settings & 16) != 0) options.push_back(focus(Coordinates(51.52, -0.19)));
  if ((settings & 32) != 0) {
    options.push_back(clip_to_circle(Circle(Coordinates(0.0, 10.0), 2000.0)));
  }
  if ((settings & 64) != 0) options.push_back(prefer_land(false));
  const std::uint32_t wanted = (settings & 128) != 0 ? 20 : 3;
  options.push_back(n_results(wanted));

  // The check never throws. It looks at the options and the form of the
  // input, in its own order, so the call may refuse with another error than
  // the check names; and a recogniser's words are only looked up by the
  // call, which refuses words that are in no wordlist.
  const ErrorDescriptor check = engine.is_valid_autosuggest_call(input, options);
  try {
    const std::vector<Suggestion> found = engine.autosuggest(input, options);
    if (check.code != 0) fail("a refused call suggested", check);
    if (found.size() > wanted) fail("more suggestions than asked", check);
  } catch (const InvalidArgumentError&) {
  }
  return 0;
}
