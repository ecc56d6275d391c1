#include "find_nearest_place/located_nearest_place_finder.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "data/byte_reader.h"
#include "data/file_values.h"
#include "data/in_memory.h"
#include "data/integrity.h"
#include "data/on_disk.h"
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
  view.seek(kTablePositionOffset);
  PlacesHeader header;
  header.table_position = view.read_u32();
  const std::uint32_t language_count = view.read_u32();
  data::checked_end(header.table_position,
                    std::uint64_t{kRecordOffsetSize} * place_count, view.size(),
                    view.file(), "the place table");
  // Each code takes at least its line feed, so a count beyond the rest of
  // the file is corrupt; checking first keeps the loop short.
  data::checked_count(language_count, 1, view.remaining(), view.file(),
                      "name languages");
  for (std::uint32_t k = 0; k < language_count; ++k) {
    header.name_languages.push_back(data::language_in_file(
        std::string(view.read_text(kLineEnd)), view.file()));
  }
  return header;
}

// Checks that the file ends exactly where its rules do and that each rule
// names a language, so that no query meets a damaged rule. A count below 1
// means no rules, so nothing may follow it: a damaged count must not drop
// the rules silently.
template <typename Source>
void check_rules(const Source& syntax) {
  typename Source::View view(syntax);
  view.seek(kRuleCountOffset);
  const std::int32_t declared = view.read_i32();
  const std::uint32_t count =
      declared < 1 ? 0 : static_cast<std::uint32_t>(declared);
  if (view.remaining() / kRuleSize != count ||
      view.remaining() % kRuleSize != 0) {
    view.fail("the count says " + std::to_string(declared) + " rules, but " +
              std::to_string(view.remaining()) + " bytes follow it");
  }
  for (std::uint32_t r = 0; r < count; ++r) {
    const std::uint8_t* rule = view.take(kRuleSize, "a rule");
    data::language_in_file(std::string(reinterpret_cast<const char*>(rule), 2),
                           view.file());
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
  check_rules(this->syntax);
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
      data::integrity_failure(
          places.name(), "a translation field of the place line \"" +
                             data::printable(line) + "\" names none of the " +
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
  // The constructor checked that the rules fit in the file and name
  // languages; a file changed since is still read safely.
  for (std::int32_t r = 0; r < count; ++r) {
    const std::uint8_t* rule = view.take(kRuleSize, "a rule");
    const Language code = data::language_in_file(
        std::string(reinterpret_cast<const char*>(rule), 2), view.file());
    if (code == language) {
      return data::decode_le<std::uint16_t>(rule + 2) & kRuleFlagMask;
    }
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
    view.seek(std::uint64_t{table_position} +
              std::uint64_t{kRecordOffsetSize} * static_cast<unsigned>(i));
    view.seek(view.read_u32());
    qualifier = view.read_u32();
    name_line = view.read_text(kLineEnd);
    if (qualifier != 0) {
      view.seek(qualifier);
      qualifier_line = view.read_text(kLineEnd);
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
