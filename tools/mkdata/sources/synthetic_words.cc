#include "mkdata/sources/synthetic_words.h"

#include <algorithm>
#include <stdexcept>
#include <unordered_set>

namespace tessera {
namespace mkdata {
namespace {

// splitmix64: a tiny generator whose output is fixed by its seed on every
// platform, unlike the standard distributions.
class SplitMix64 {
 public:
  explicit SplitMix64(std::uint64_t seed) : state_(seed) {}

  std::uint64_t next() {
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15u);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9u;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBu;
    return z ^ (z >> 31);
  }
  std::size_t below(std::size_t n) { return next() % n; }

 private:
  std::uint64_t state_;
};

int code_points(const std::string& utf8) {
  int n = 0;
  for (unsigned char c : utf8) n += (c & 0xC0) != 0x80;
  return n;
}

struct Candidate {
  std::string word;
  int length;
  std::size_t order;
};

}  // namespace

Phonology latin_phonology() {
  Phonology p;
  p.onsets = {"",   "b",  "c",  "d",  "f",  "g",  "h",  "j",  "k",  "l",  "m",
              "n",  "p",  "r",  "s",  "t",  "v",  "w",  "z",  "br", "ch", "cl",
              "dr", "fl", "gr", "pl", "sh", "sl", "st", "th", "tr"};
  p.vowels = {"a", "e", "i", "o", "u", "ea", "oo", "ai", "ou"};
  p.codas = {"", "", "", "n", "r", "s", "t", "l", "m", "nd", "st", "ck"};
  return p;
}

Phonology umlaut_phonology() {
  Phonology p;
  p.onsets = {"",  "b", "d", "f", "g", "h",   "k",  "l",  "m",  "n",  "p",
              "r", "s", "t", "w", "z", "sch", "st", "kr", "gl", "pf", "tr"};
  p.vowels = {"a", "e", "i", "o", "u", "ä", "ö", "ü", "ei", "au", "ie"};
  p.codas = {"", "", "n", "r", "l", "ß", "ck", "ng", "tz", "m", "ch"};
  return p;
}

Phonology kana_phonology() {
  Phonology p;
  p.onsets = {""};
  p.vowels = {"あ", "い", "う", "え", "お", "か", "き", "く", "け", "こ", "さ",
              "し", "す", "せ", "そ", "た", "ち", "つ", "て", "と", "な", "に",
              "ぬ", "ね", "の", "は", "ひ", "ふ", "へ", "ほ", "ま", "み", "む",
              "め", "も", "や", "ゆ", "よ", "ら", "り", "る", "れ", "ろ", "わ"};
  p.codas = {"", "", "", "", "", "", "ん"};
  p.min_syllables = 2;
  p.max_syllables = 4;
  p.min_length = 2;
  p.max_length = 6;
  return p;
}

std::vector<std::string> synthetic_words(
    const Phonology& phonology, std::uint64_t seed, int count,
    const std::function<bool(const std::string&)>& accept) {
  SplitMix64 random(seed);
  std::vector<std::string> words;
  if (count <= 0) return words;
  words.reserve(static_cast<std::size_t>(count));

  // Draw a pool several times larger than needed, then hand out the shortest
  // first: short words are the ones a data set wants at small numbers.
  std::unordered_set<std::string> seen;
  std::vector<Candidate> pool;
  const std::size_t wanted = static_cast<std::size_t>(count) * 4;
  const std::size_t max_draws = wanted * 20;
  const int syllable_span =
      phonology.max_syllables - phonology.min_syllables + 1;
  for (std::size_t draw = 0; pool.size() < wanted && draw < max_draws; ++draw) {
    const int syllables =
        phonology.min_syllables + static_cast<int>(random.below(syllable_span));
    std::string word;
    for (int s = 0; s < syllables; ++s) {
      word += phonology.onsets[random.below(phonology.onsets.size())];
      word += phonology.vowels[random.below(phonology.vowels.size())];
      word += phonology.codas[random.below(phonology.codas.size())];
    }
    const int length = code_points(word);
    if (length < phonology.min_length || length > phonology.max_length)
      continue;
    if (!seen.insert(word).second) continue;
    pool.push_back({std::move(word), length, pool.size()});
  }
  std::sort(
      pool.begin(), pool.end(), [](const Candidate& a, const Candidate& b) {
        return a.length != b.length ? a.length < b.length : a.order < b.order;
      });
  for (Candidate& candidate : pool) {
    if (words.size() == static_cast<std::size_t>(count)) break;
    if (accept(candidate.word)) words.push_back(std::move(candidate.word));
  }
  if (words.size() < static_cast<std::size_t>(count)) {
    throw std::runtime_error("cannot make " + std::to_string(count) +
                             " distinct synthetic words");
  }
  return words;
}

}  // namespace mkdata
}  // namespace tessera
