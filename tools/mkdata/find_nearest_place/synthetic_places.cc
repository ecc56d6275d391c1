#include "mkdata/find_nearest_place/synthetic_places.h"

#include <cstdint>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace tessera {
namespace mkdata {
namespace {

constexpr int kQualifierCount = 40;

// SplitMix64: the same stream on every platform, unlike the standard
// library's distributions.
class Generator {
 public:
  explicit Generator(std::uint64_t seed) : state_(seed) {}

  std::uint64_t next() {
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15u);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9u;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBu;
    return z ^ (z >> 31);
  }

  // A number in [0, n); the slight bias of the modulo does not matter here.
  std::uint32_t below(std::uint32_t n) {
    return static_cast<std::uint32_t>(next() % n);
  }

 private:
  std::uint64_t state_;
};

const char* const kLatinSyllables[] = {"ka", "ri",  "mo", "ten", "sa",
                                       "lu", "vor", "ne", "do",  "bel"};
// The same syllables in katakana, for the ja translations.
const char* const kKanaSyllables[] = {"カ", "リ",     "モ", "テン", "サ",
                                      "ル", "ヴォル", "ネ", "ド",   "ベル"};
constexpr std::uint32_t kSyllableCount = 10;

// A name of two to four syllables in Latin letters (capitalised) and in
// katakana.
std::pair<std::string, std::string> made_up_name(Generator& random) {
  const std::uint32_t length = 2 + random.below(3);
  std::string latin;
  std::string kana;
  for (std::uint32_t i = 0; i < length; ++i) {
    const std::uint32_t s = random.below(kSyllableCount);
    latin += kLatinSyllables[s];
    kana += kKanaSyllables[s];
  }
  latin[0] = static_cast<char>(latin[0] - 'a' + 'A');
  return {latin, kana};
}

}  // namespace

NearestPlaceData synthetic_places(std::uint32_t seed, int count) {
  Generator random(seed);
  NearestPlaceData data;
  data.name_languages = {"en", "de", "ja"};
  data.rules = {{"de", 7}, {"ja", 0}};

  for (int q = 0; q < kQualifierCount; ++q) {
    const auto [latin, kana] = made_up_name(random);
    PlaceText qualifier{latin, {}};
    if (q % 2 == 0) {
      qualifier.translations = {{"en", latin + " Province"},
                                {"de", "Provinz " + latin},
                                {"ja", kana}};
    } else if (q % 3 == 0) {
      qualifier.translations = {{"de", latin + "land"}};
    }
    data.qualifiers.push_back(std::move(qualifier));
  }

  std::set<std::pair<std::uint32_t, std::uint32_t>> cells;
  while (static_cast<int>(data.places.size()) < count) {
    const QuantisedPosition position{random.below(65536), random.below(65536)};
    if (!cells.insert({position.a, position.b}).second) continue;
    const auto [latin, kana] = made_up_name(random);
    PlaceEntry place;
    place.name.text = latin;
    const std::uint32_t kind = random.below(12);
    if (kind < 4) {
      place.name.translations = {{"de", latin + "burg"}, {"ja", kana}};
    } else if (kind == 4) {
      place.name.translations = {{"en", "Port " + latin}};
    }
    if (kind != 11) {
      place.qualifier = static_cast<int>(random.below(kQualifierCount));
    }
    // Now and then a place is named like its qualifier, which a phrase
    // then gives only once.
    if (kind == 10) {
      place.name = data.qualifiers[place.qualifier];
    }
    data.places.push_back(std::move(place));
    data.positions.push_back(position);
  }
  return data;
}

}  // namespace mkdata
}  // namespace tessera
