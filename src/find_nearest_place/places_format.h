// Layout of "nearest_place_finder/places.data" and
// "nearest_place_finder/syntax.data", shared by their reader and the data
// builder's writers.
//
// places.data:
//   offset 0   u32  length of the file (framing)
//   offset 4   u32  number of places (not needed by the reader)
//   offset 8   u32  table position T
//   offset 12  u32  number K of name languages
//   offset 16       K language codes, each ended by a line feed
//   T + 4*i    u32  record offset of place i (its leaf in the place tree)
//   record:    u32  position of the place's qualifier line, 0 for none
//              line the place's name line
// A line is TAB-separated fields ended by a line feed: the default text,
// then translations, each the letter 'A' + k (k-th name language) followed
// by the text. Qualifier lines may be shared by many places.
//
// syntax.data:
//   offset 0        u32  length of the file (framing)
//   offset 4        i32  number C of rules
//   offset 8 + 4*r  2 bytes  language code of rule r
//   offset 10 + 4*r u16      flags of rule r (kQualifierFirst | kComma |
//                            kSpace)
#ifndef TESSERA_FIND_NEAREST_PLACE_PLACES_FORMAT_H_
#define TESSERA_FIND_NEAREST_PLACE_PLACES_FORMAT_H_

#include <cstdint>

namespace tessera {
namespace find_nearest_place {

inline constexpr char kPlacesFileName[] = "nearest_place_finder/places.data";
inline constexpr char kSyntaxFileName[] = "nearest_place_finder/syntax.data";

constexpr std::int32_t kPlaceCountOffset = 4;
constexpr std::int32_t kTablePositionOffset = 8;
constexpr std::int32_t kNameLanguageCountOffset = 12;
constexpr std::int32_t kNameLanguagesOffset = 16;
constexpr std::int32_t kRecordOffsetSize = 4;
constexpr char kLineEnd = '\n';
constexpr char kFieldSeparator = '\t';
// The letter that names the first name language in a translation field.
constexpr char kFirstLanguageLetter = 'A';

constexpr std::int32_t kRuleCountOffset = 4;
constexpr std::int32_t kRuleTableOffset = 8;
constexpr std::int32_t kRuleSize = 4;
constexpr int kQualifierFirst = 1;
constexpr int kComma = 2;
constexpr int kSpace = 4;
constexpr int kRuleFlagMask = 7;
// Name, comma, space, qualifier: for languages without a rule.
constexpr int kDefaultRule = kComma | kSpace;

}  // namespace find_nearest_place
}  // namespace tessera

#endif  // TESSERA_FIND_NEAREST_PLACE_PLACES_FORMAT_H_
