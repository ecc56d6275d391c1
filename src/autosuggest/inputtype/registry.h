// The process-wide table of input types, by name.
#ifndef TESSERA_AUTOSUGGEST_INPUTTYPE_REGISTRY_H_
#define TESSERA_AUTOSUGGEST_INPUTTYPE_REGISTRY_H_

#include <memory>
#include <string>
#include <unordered_map>

#include "autosuggest/inputtype/input_type.h"

namespace tessera {
namespace autosuggest {
namespace inputtype {

// Filled once, on first use, with the eight input types ("generic-voice",
// "mawdoo3", "mihup", "nmdp-asr", "tsr-ocr-sdk", "speechmatics", "text" and
// "vocon-hybrid") and never changed afterwards. The first use may come from
// several threads at once: one builds the registry while the others wait.
class Registry {
 public:
  struct Entry {
    std::unique_ptr<InputType> (*create)();
    const char* help;
  };

  static const Registry& instance();

  // The entry named `name` exactly, or null.
  const Entry* find(const std::string& name) const;

  // Every entry, in the registry's own order.
  const std::unordered_map<std::string, Entry>& entries() const noexcept {
    return entries_;
  }

 private:
  Registry();

  std::unordered_map<std::string, Entry> entries_;
};

}  // namespace inputtype
}  // namespace autosuggest
}  // namespace tessera

#endif  // TESSERA_AUTOSUGGEST_INPUTTYPE_REGISTRY_H_
