// `tessera suggest INPUT`: autosuggest on the command line.
//
// Each flag makes one autosuggest option. The options reach the engine in
// the order below, whatever their order on the command line; a flag given
// twice keeps its last value.
//
//   --language CODE                  search this language
//   --disable-language-detection     search only that language
//   --n-results N                    at most N suggestions
//   --focus LAT,LNG                  prefer suggestions near here
//   --n-focus-results N              how many are ranked by the focus
//   --clip-circle LAT,LNG,KM         only inside this circle
//   --clip-box SWLAT,SWLNG,NELAT,NELNG   only inside this box
//   --clip-polygon LAT,LNG,...       only inside this closed ring
//   --clip-countries CODE,...        only in these countries
//   --input-type NAME                how to read INPUT ("text" by default)
//   --prefer-land true|false         leave out the sea (true by default)
//
// INPUT "-" reads the input from standard input (a recogniser's JSON, say),
// without its final line break.
//
// Each suggestion is printed on one line, its fields separated by tabs:
//
//   WORDS  LANGUAGE  COUNTRY  NEAREST_PLACE  [DISTANCE_KM]
//
// NEAREST_PLACE is empty when there is none; the distance from the focus,
// in kilometres, ends the line when the suggestion has one (with --focus).
// With --json the suggestions are printed as one JSON array instead, in
// the form `tessera batch` answers an autosuggest request.
//
// Exit status: 0 with suggestions, 3 with none ("[]" with --json), 2 for a
// malformed flag value (a focus that is not two numbers), 1 when the engine
// or a value type refuses a value (latitude 91, country code "gb").
#ifndef TESSERA_TOOLS_CLI_SUGGEST_H_
#define TESSERA_TOOLS_CLI_SUGGEST_H_

#include <functional>
#include <string>

#include "cli/commands.h"
#include "tessera/engine.h"

namespace CLI {
class App;
class Option;
}  // namespace CLI

namespace tessera {
namespace cli {

class SuggestCommand {
 public:
  // Adds the subcommand and its flags to `app`. The flags' values are
  // stored in this object, which must outlive the parsing.
  explicit SuggestCommand(CLI::App& app);

  SuggestCommand(const SuggestCommand&) = delete;
  SuggestCommand& operator=(const SuggestCommand&) = delete;

  // Whether the command line named this command.
  bool parsed() const;

  // Checks the flag values, builds the options, reads standard input for
  // INPUT "-", then asks `engine` (called only then) and prints. Returns the
  // exit status; a malformed value is reported on `console.err`. Throws
  // what the value types and the engine throw.
  int run(const Console& console,
          const std::function<const Engine&()>& engine) const;

 private:
  // A flag that takes a value, and whether it was given.
  struct Flag {
    std::string value;
    CLI::Option* option = nullptr;
    bool given() const;
  };

  CLI::App* command_;
  std::string input_;
  Flag language_;
  bool disable_language_detection_ = false;
  Flag n_results_;
  Flag focus_;
  Flag n_focus_results_;
  Flag clip_circle_;
  Flag clip_box_;
  Flag clip_polygon_;
  Flag clip_countries_;
  Flag input_type_;
  Flag prefer_land_;
  bool json_ = false;
};

}  // namespace cli
}  // namespace tessera

#endif  // TESSERA_TOOLS_CLI_SUGGEST_H_
