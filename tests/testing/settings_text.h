// Autosuggest settings as one line of text, so that tests can compare them
// whole and state them in tables.
#ifndef TESSERA_TESTS_TESTING_SETTINGS_TEXT_H_
#define TESSERA_TESTS_TESTING_SETTINGS_TEXT_H_

#include <string>

#include "engine/autosuggest_settings.h"

namespace tessera {
namespace test {

// The fields that differ from the defaults, in field order, separated by
// blanks; "" for default settings. Numbers are written with 17 significant
// digits, so that different doubles never look alike:
//
//   language=en no_detection n_results=5 focus=51.5,-0.1 n_focus_results=1
//   circle=51,0,10.5 box=1,2,3,4 polygon=1,2;3,4;5,6;1,2 countries=FR,GB
//   input_type=generic-voice prefer_land=false
//
// An optional field set to its default value still shows (prefer_land=true).
std::string settings_text(const engine::AutosuggestSettings& settings);

}  // namespace test
}  // namespace tessera

#endif  // TESSERA_TESTS_TESTING_SETTINGS_TEXT_H_
