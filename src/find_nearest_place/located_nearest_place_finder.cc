#include "find_nearest_place/located_nearest_place_finder.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "data/in_memory.h"
#include "data/integrity.h"
#include "data/on_disk.h"
#include "data/read_line.h"
#include "find_nearest_place/places_format.h"

namespace tessera {
namespace find_nearest_place {
namespace {

struct PlacesHeader {
  std::uint32_t table_position;
  std::vector<Language> name_languages;
};

// The table position and the name languages, after checking that the table
// holds an entry for each of `place_count` places.
template <typename Source>
PlacesHeader read_places_header(const Source& places,
                                std::uint32_t place_count) {
  typename Source::View view(places);
  const std::int64_t size = view.size();
  if (size < kNameLanguagesOffset) {
    data::integrity_failure("the places file has only " + std::to_string(size) +
                            " bytes, too few for its header");
  }
  view.seek(kTablePositionOffset);
  PlacesHeader header;
  header.table_position = view.read_u32();
  const std::uint32_t language_count = view.read_u32();
  const std::int64_t table_end = std::int64_t{header.table_position} +
                                 std::int64_t{kRecordOffsetSize} * place_count;
  if (table_end > size) {
    data::integrity_failure(
        "the place table at offset " + std::to_string(header.table_position) +
        " does not hold the " + std::to_string(place_count) +
        " places of the tree within the file's " + std::to_string(size) +
        " bytes");
  }
  // Each code takes at least its line feed, so a count beyond the rest of
  // the file is corrupt; checking first keeps the loop short.
  if (language_count > size - kNameLanguagesOffset) {
    data::integrity_failure("the places file declares " +
                            std::to_string(language_count) +
                            " name languages, more than its " +
                            std::to_string(size) + " bytes can hold");
  }
  for (std::uint32_t k = 0; k < language_count; ++k) {
    header.name_languages.emplace_back(data::read_line(view, kLineEnd));
  }
  return header;
}

template <typename Source>
void check_rule_table(const Source& syntax) {
  typename Source::View view(syntax);
  if (view.size() < kRuleTableOffset) {
    data::integrity_failure("the syntax file has only " +
                            std::to_string(view.size()) +
                            " bytes, too few for its header");
  }
}

}  // namespace

template <typename Source>
LocatedNearestPlaceFinder<Source>::LocatedNearestPlaceFinder(
    Source&& places, LocatedKDTree<Source>&& tree, Source&& syntax)
    : places(std::move(places)),
      syntax(std::move(syntax)),
      tree(std::move(tree)) {
  PlacesHeader header =
      read_places_header(this->places, this->tree.place_count());
  table_position = header.table_position;
  name_languages = std::move(header.name_languages);
  check_rule_table(this->syntax);
}

template <typename Source>
std::pair<std::string, bool>
LocatedNearestPlaceFinder<Source>::select_alternate(const std::string& line,
                                                    Language language) const {
  std::size_t end = line.find(kFieldSeparator);
  std::string default_text = line.substr(0, end);
  while (end != std::string::npos) {
    const std::size_t start = end + 1;
    end = line.find(kFieldSeparator, start);
    const std::size_t length =
        (end == std::string::npos ? line.size() : end) - start;
    const int k = length == 0 ? -1
                              : static_cast<unsigned char>(line[start]) -
                                    kFirstLanguageLetter;
    if (k < 0 || static_cast<std::size_t>(k) >= name_languages.size()) {
      data::integrity_failure("a translation field of the place line \"" +
                              line + "\" names none of the " +
                              std::to_string(name_languages.size()) +
                              " name languages");
    }
    if (name_languages[k] == language) {
      return {line.substr(start + 1, length - 1), true};
    }
  }
  return {std::move(default_text), false};
}

template <typename Source>
int LocatedNearestPlaceFinder<Source>::select_rule(
    const Language& language) const {
  typename Source::View view(syntax);
  view.seek(kRuleCountOffset);
  const std::int32_t count = view.read_i32();
  if (count < 1) return kDefaultRule;
  if (count > (view.size() - kRuleTableOffset) / kRuleSize) {
    data::integrity_failure("the syntax file declares " +
                            std::to_string(count) + " rules, more than its " +
                            std::to_string(view.size()) + " bytes can hold");
  }
  for (std::int32_t r = 0; r < count; ++r) {
    std::string code(2, '\0');
    code[0] = static_cast<char>(view.read_u8());
    code[1] = static_cast<char>(view.read_u8());
    const std::uint16_t flags = view.read_u16();
    if (Language(code) == language) return flags & kRuleFlagMask;
  }
  return kDefaultRule;
}

template <typename Source>
Optional<std::string> LocatedNearestPlaceFinder<Source>::nearest_to(
    const Coordinates& position, Language language, int radius_m) const {
  const Optional<int> place = tree.nearest_to(position, radius_m);
  if (!place) return {};
  const int i = *place;

  std::string name_line;
  std::string qualifier_line;
  std::uint32_t qualifier = 0;
  {
    typename Source::View view(places);
    // The constructor checked that the table holds every place of the tree.
    view.seek(std::int64_t{table_position} +
              std::int64_t{kRecordOffsetSize} * i);
    const std::uint32_t record = view.read_u32();
    if (record >= static_cast<std::uint32_t>(view.size())) {
      data::integrity_failure("the record of place " + std::to_string(i) +
                              " at offset " + std::to_string(record) +
                              " lies outside the places file");
    }
    view.seek(record);
    qualifier = view.read_u32();
    name_line = data::read_line(view, kLineEnd);
    if (qualifier != 0) {
      if (qualifier >= static_cast<std::uint32_t>(view.size())) {
        data::integrity_failure("the qualifier of place " + std::to_string(i) +
                                " at offset " + std::to_string(qualifier) +
                                " lies outside the places file");
      }
      view.seek(qualifier);
      qualifier_line = data::read_line(view, kLineEnd);
    }
  }

  std::pair<std::string, bool> name = select_alternate(name_line, language);
  if (qualifier == 0) return std::move(name.first);
  std::pair<std::string, bool> group =
      select_alternate(qualifier_line, language);
  if (name.first == group.first) return std::move(name.first);

  const int flags =
      select_rule(name.second && group.second ? language : Language("en"));
  const std::string& first = flags & kQualifierFirst ? group.first : name.first;
  const std::string& second =
      flags & kQualifierFirst ? name.first : group.first;
  std::string phrase = first;
  if (flags & kComma) phrase += ',';
  if (flags & kSpace) phrase += ' ';
  phrase += second;
  return phrase;
}

template class LocatedNearestPlaceFinder<data::OnDisk>;
template class LocatedNearestPlaceFinder<data::InMemory>;

}  // namespace find_nearest_place
}  // namespace tessera
