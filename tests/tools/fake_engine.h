// An engine with fixed, documented answers, for tests of the command-line
// tool that must not depend on a data set.
#ifndef TESSERA_TESTS_TOOLS_FAKE_ENGINE_H_
#define TESSERA_TESTS_TOOLS_FAKE_ENGINE_H_

#include <cstddef>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "tessera/engine.h"

namespace tessera {
namespace test {

// Answers:
//   convert_to_3wa(p, "en")  "index.home.raft", empty when p.lat is 0;
//                            "zz" throws LanguageNotAvalableError, any other
//                            code InvalidArgumentError "Invalid code: CODE"
//   convert_to_coordinates   (51.520847, -0.195521) for "index.home.raft",
//                            else empty
//   language_code(a)         `a` itself, empty when `a` is empty
//   nearest_place(p, "en")   "Lndn", empty when p.lat is 0; other codes as
//                            convert_to_3wa
//   country_code(p)          "GB", or throws by p.lng (kThrowingLongitudes)
//   grid_square(p)           the box from p to p
//   grid_section(b)          [{sw, (sw.lat, ne.lng)}, {sw, (ne.lat, sw.lng)}]
//   distance(a, b)           b.lng - a.lng
//   autosuggest(i, o)        fake_suggestions(); none when i is
//   "no.such.words";
//                            throws Error "Autosuggest is not available
//                            yet." when i is empty
//   is_valid_autosuggest_call  {o.size(), i}
//   available_languages      {"en", "de", "ja"}
//   version, data_version    "3.5.0-fake", "fake data 1"
//   is_available(l)          {0, ""} for "en", else {4, "Language 'l' not
//                            available."}
//   is_valid_language_code(c), is_valid_utf8(c)   {c.size(), c}
// The overloads taking a Language throw std::logic_error: the tool must
// pass codes as strings.
//
// Both autosuggest calls are noted, with their input and options, when the
// engine is given a list to note them in.
class FakeEngine : public Engine {
 public:
  struct AutosuggestCall {
    std::string input;
    std::vector<AutosuggestOption> options;
  };

  FakeEngine() = default;
  // Appends each autosuggest call to `calls`, which must outlive the engine.
  explicit FakeEngine(std::vector<AutosuggestCall>* calls) : calls_(calls) {}

  Optional<std::string> convert_to_3wa(const Coordinates& position,
                                       const Language& language) const override;
  Optional<std::string> convert_to_3wa(Coordinates position,
                                       std::string language) const override;
  Optional<Coordinates> convert_to_coordinates(
      std::string address) const override;
  std::vector<Suggestion> autosuggest(
      std::string input,
      std::vector<std::shared_ptr<AutosuggestOptionImplementation>> options)
      const override;
  ErrorDescriptor is_valid_autosuggest_call(
      const std::string& input,
      const std::vector<std::shared_ptr<AutosuggestOptionImplementation>>&
          options) const override;
  Optional<std::string> language_code(std::string address) const override;
  std::vector<GridLine> grid_section(BoundingBox box) const override;
  BoundingBox grid_square(Coordinates position) const override;
  std::string country_code(Coordinates position) const override;
  Optional<std::string> nearest_place(const Coordinates& position,
                                      const Language& language) const override;
  Optional<std::string> nearest_place(Coordinates position,
                                      std::string language) const override;
  std::set<std::string> available_languages() const override;
  std::string version() const override;
  std::string data_version() const override;
  ErrorDescriptor is_available(
      const Language& language) const noexcept override;
  ErrorDescriptor is_valid_language_code(
      const std::string& code) const noexcept override;
  ErrorDescriptor is_valid_utf8(
      const std::string& text) const noexcept override;
  double distance(const Coordinates& a, const Coordinates& b) const override;

 private:
  void note(const std::string& input,
            const std::vector<AutosuggestOption>& options) const;

  std::vector<AutosuggestCall>* calls_ = nullptr;
};

// The suggestions FakeEngine::autosuggest returns.
std::vector<Suggestion> fake_suggestions();

}  // namespace test
}  // namespace tessera

#endif  // TESSERA_TESTS_TOOLS_FAKE_ENGINE_H_
