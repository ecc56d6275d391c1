#include "autosuggest/inputtype/input_type.h"

#include "autosuggest/inputtype/registry.h"
#include "core/string_checks.h"
#include "tessera/error.h"

namespace tessera {
namespace autosuggest {
namespace inputtype {

bool InputType::is_textual() const { return false; }

Optional<Language> InputType::backstop_language() const { return {}; }

std::set<Language> InputType::guess_languages(
    const std::string&, const wordlist::AllWordlists&) const {
  return {};
}

ErrorDescriptor InputType::is_valid(const std::string&) const { return {}; }

std::unique_ptr<InputType> InputType::create(const std::string& name) {
  const Registry& registry = Registry::instance();
  if (const Registry::Entry* entry = registry.find(name)) {
    return entry->create();
  }
  std::string message =
      "Invalid AutosuggestInputType \"" + name + "\".\nAvailable types::\n\n";
  for (const auto& entry : registry.entries()) {
    message += "\"" + entry.first + "\" : " + entry.second.help + "\n\n";
  }
  InvalidArgumentError::raise(std::move(message));
}

ErrorDescriptor validate_input_text(const std::string& input) {
  return core::validate_utf8_string(input);
}

void check_input_text(const std::string& input) {
  core::assert_string_not_too_long(input);
  assert_error_descriptor(core::validate_utf8_string(input));
}

}  // namespace inputtype
}  // namespace autosuggest
}  // namespace tessera
