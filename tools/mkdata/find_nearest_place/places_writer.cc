#include "mkdata/find_nearest_place/places_writer.h"

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include "find_nearest_place/places_format.h"
#include "mkdata/byte_writer.h"
#include "tessera/language.h"

namespace tessera {
namespace mkdata {
namespace {

using find_nearest_place::kFieldSeparator;
using find_nearest_place::kLineEnd;

// The body starts after the length word that frame() adds.
constexpr std::size_t kFrame = 4;
constexpr std::size_t kMaxNameLanguages = 26;

void check_text(const std::string& text) {
  if (text.find(kFieldSeparator) != std::string::npos ||
      text.find(kLineEnd) != std::string::npos) {
    throw std::invalid_argument("the place text \"" + text +
                                "\" holds a TAB or line feed");
  }
}

std::string line_of(const PlaceText& text,
                    const std::vector<std::string>& name_languages) {
  check_text(text.text);
  std::string line = text.text;
  for (const auto& [code, translation] : text.translations) {
    check_text(translation);
    std::size_t k = 0;
    while (k < name_languages.size() && name_languages[k] != code) ++k;
    if (k == name_languages.size()) {
      throw std::invalid_argument("the translation language \"" + code +
                                  "\" is not a name language");
    }
    line += kFieldSeparator;
    line += static_cast<char>(find_nearest_place::kFirstLanguageLetter + k);
    line += translation;
  }
  return line + kLineEnd;
}

std::uint32_t here(const ByteWriter& body) {
  return static_cast<std::uint32_t>(kFrame + body.size());
}

}  // namespace

std::vector<std::uint8_t> places_file(
    const std::vector<std::string>& name_languages,
    const std::vector<PlaceText>& qualifiers,
    const std::vector<PlaceEntry>& places) {
  if (name_languages.size() > kMaxNameLanguages) {
    throw std::invalid_argument("at most 26 name languages, not " +
                                std::to_string(name_languages.size()));
  }
  for (const std::string& code : name_languages) {
    if (Language::is_valid(code).code != 0) {
      throw std::invalid_argument("\"" + code + "\" is not a language code");
    }
  }
  for (const PlaceEntry& place : places) {
    if (place.qualifier < -1 ||
        place.qualifier >= static_cast<int>(qualifiers.size())) {
      throw std::invalid_argument(
          "qualifier " + std::to_string(place.qualifier) + " does not exist");
    }
  }

  ByteWriter body;
  body.u32(static_cast<std::uint32_t>(places.size()));
  const std::size_t table_field = body.size();
  body.u32(0);
  body.u32(static_cast<std::uint32_t>(name_languages.size()));
  for (const std::string& code : name_languages) body.text(code + kLineEnd);

  std::vector<std::uint32_t> qualifier_offsets;
  qualifier_offsets.reserve(qualifiers.size());
  for (const PlaceText& qualifier : qualifiers) {
    qualifier_offsets.push_back(here(body));
    body.text(line_of(qualifier, name_languages));
  }
  std::vector<std::uint32_t> records;
  records.reserve(places.size());
  for (const PlaceEntry& place : places) {
    records.push_back(here(body));
    body.u32(place.qualifier < 0 ? 0 : qualifier_offsets[place.qualifier]);
    body.text(line_of(place.name, name_languages));
  }
  body.patch_u32(table_field, here(body));
  for (const std::uint32_t record : records) body.u32(record);
  return frame(body.bytes());
}

}  // namespace mkdata
}  // namespace tessera
