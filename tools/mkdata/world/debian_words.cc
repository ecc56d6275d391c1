#include "mkdata/world/debian_words.h"

#include <unicode/normalizer2.h>
#include <unicode/uchar.h>
#include <unicode/unistr.h>
#include <unicode/unorm2.h>

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <memory>
#include <sstream>
#include <stdexcept>
#include <string_view>
#include <unordered_map>
#include <utility>

#include "core/utf8.h"
#include "mkdata/world/blocklist.h"
#include "mkdata/world/word_endings.h"

namespace tessera {
namespace mkdata {
namespace {

// The languages and the letters they write.
struct Alphabet {
  const char* code;
  const char* missing;   // letters of a to z the language does not write
  const char* accented;  // its other lower-case letters, UTF-8 in NFC
};

constexpr Alphabet kAlphabets[] = {
    {"en", "", ""},
    {"de", "", "äöüß"},
    {"fr", "", "àâæçéèêëîïôœùûüÿ"},
    {"es", "", "áéíñóúü"},
    {"it", "jkwxy", "àèéìòù"},
    {"pt", "", "áàâãçéêíóôõú"},
    {"nl", "", "áéíóúèëïöü"},
    {"sv", "", "åäöé"},
    {"pl", "qvx", "ąćęłńóśźż"},
};
constexpr char kVowels[] = "aeiouyàáâãäåæèéêëìíîïòóôõöœùúûüÿąę";

constexpr std::size_t kMinLength = 4;
constexpr std::size_t kMaxLength = 10;
// A consonant run at either end of fewer words than this looks like the
// end of an abbreviation.
constexpr std::uint32_t kMinClusterWords = 3;
// Fractional bits of the fixed-point logarithms that rank spellings.
constexpr int kLogFractionBits = 16;

bool is_utf8(std::string_view s) {
  char32_t c;
  for (std::size_t i = 0; i < s.size();) {
    if (!core::decode_utf8(s, &i, &c)) return false;
  }
  return true;
}

// ISO-8859-1 maps each byte to the code point of the same value.
std::string latin1_to_utf8(std::string_view s) {
  std::string out;
  out.reserve(s.size() + s.size() / 8);
  for (char byte : s) {
    const unsigned char b = static_cast<unsigned char>(byte);
    if (b < 0x80) {
      out += byte;
    } else {
      out += static_cast<char>(0xC0 | b >> 6);
      out += static_cast<char>(0x80 | (b & 0x3F));
    }
  }
  return out;
}

std::string nfc(std::string_view utf8) {
  UErrorCode status = U_ZERO_ERROR;
  const icu::Normalizer2* normalizer = icu::Normalizer2::getNFCInstance(status);
  if (U_FAILURE(status)) {
    throw std::runtime_error(std::string("ICU failed to load NFC data: ") +
                             u_errorName(status));
  }
  const icu::UnicodeString composed = normalizer->normalize(
      icu::UnicodeString::fromUTF8(
          icu::StringPiece(utf8.data(), static_cast<int32_t>(utf8.size()))),
      status);
  if (U_FAILURE(status)) {
    throw std::runtime_error(std::string("ICU failed to compose a word: ") +
                             u_errorName(status));
  }
  std::string out;
  composed.toUTF8String(out);
  return out;
}

// The letters of one language, each with a small index for counting letter
// pairs; index 0 stands for the edge of a word.
class Script {
 public:
  explicit Script(const Alphabet& alphabet) {
    ascii_.fill(0);
    std::uint8_t next = 1;
    for (char c = 'a'; c <= 'z'; ++c) {
      if (std::string_view(alphabet.missing).find(c) ==
          std::string_view::npos) {
        ascii_[static_cast<unsigned char>(c)] = next++;
      }
    }
    const std::string_view accented(alphabet.accented);
    char32_t c;
    for (std::size_t i = 0; i < accented.size();) {
      core::decode_utf8(accented, &i, &c);
      others_.emplace_back(c, next++);
    }
    letter_count_ = next;
    const std::string_view vowels(kVowels);
    for (std::size_t i = 0; i < vowels.size();) {
      core::decode_utf8(vowels, &i, &c);
      vowels_.push_back(c);
    }
  }

  // The index of `c` (1 and up), 0 when the language does not write it.
  std::uint8_t index(char32_t c) const {
    if (c < 0x80) return ascii_[c];
    for (const auto& [letter, letter_index] : others_) {
      if (letter == c) return letter_index;
    }
    return 0;
  }
  bool is_vowel(char32_t c) const {
    return std::find(vowels_.begin(), vowels_.end(), c) != vowels_.end();
  }
  // One more than the highest index.
  std::size_t letter_count() const { return letter_count_; }

 private:
  std::array<std::uint8_t, 128> ascii_;
  std::vector<std::pair<char32_t, std::uint8_t>> others_;
  std::vector<char32_t> vowels_;
  std::size_t letter_count_;
};

const Alphabet& alphabet_of(const std::string& code) {
  for (const Alphabet& alphabet : kAlphabets) {
    if (alphabet.code == code) return alphabet;
  }
  throw std::invalid_argument("no word list for language \"" + code + "\"");
}

// True for the lower-case Roman numerals I to MMMCMXCIX ("lxvi").
bool is_roman_numeral(std::string_view w) {
  std::size_t i = 0;
  const auto repeat = [&](char c, int max) {
    for (int n = 0; n < max && i < w.size() && w[i] == c; ++n) ++i;
  };
  // One decimal digit written with `one`, `five` and the next `ten`.
  const auto digit = [&](char one, char five, char ten) {
    if (i + 1 < w.size() && w[i] == one &&
        (w[i + 1] == five || w[i + 1] == ten)) {
      i += 2;
      return;
    }
    if (i < w.size() && w[i] == five) ++i;
    repeat(one, 3);
  };
  repeat('m', 3);
  digit('c', 'd', 'm');
  digit('x', 'l', 'c');
  digit('i', 'v', 'x');
  return !w.empty() && i == w.size();
}

// A word in code points, each with the byte where it starts.
struct Letters {
  std::vector<char32_t> code_points;
  std::vector<std::size_t> starts;  // one more than code_points: the end

  void decode(std::string_view word) {
    code_points.clear();
    starts.clear();
    char32_t c;
    for (std::size_t i = 0; i < word.size();) {
      starts.push_back(i);
      if (!core::decode_utf8(word, &i, &c)) {
        throw std::logic_error("word list text is not UTF-8");
      }
      code_points.push_back(c);
    }
    starts.push_back(word.size());
  }
};

// The consonant runs before the first and after the last vowel of a word,
// as byte ranges of it; empty when shorter than two letters, as single
// consonants are never rare.
struct Clusters {
  std::string_view leading;
  std::string_view trailing;
};

Clusters clusters_of(std::string_view word, const Letters& letters,
                     const Script& script) {
  const std::vector<char32_t>& cps = letters.code_points;
  std::size_t first = 0;
  while (first < cps.size() && !script.is_vowel(cps[first])) ++first;
  std::size_t last = cps.size();
  while (last > 0 && !script.is_vowel(cps[last - 1])) --last;
  Clusters clusters;
  if (first >= 2) clusters.leading = word.substr(0, letters.starts[first]);
  if (cps.size() - last >= 2 && last > 0) {
    clusters.trailing = word.substr(letters.starts[last]);
  }
  return clusters;
}

// floor-ish log2(x) in fixed point with kLogFractionBits fraction bits, by
// repeated squaring: integer arithmetic only, so every platform agrees.
// Requires: x >= 1.
std::uint64_t log2_fixed(std::uint64_t x) {
  int msb = 0;
  while ((x >> msb) > 1) ++msb;
  std::uint64_t result = static_cast<std::uint64_t>(msb) << kLogFractionBits;
  // x / 2^msb in [1, 2), with 31 fraction bits.
  std::uint64_t y = msb >= 31 ? x >> (msb - 31) : x << (31 - msb);
  for (int bit = kLogFractionBits - 1; bit >= 0; --bit) {
    y = (y * y) >> 31;
    if (y >= (std::uint64_t{2} << 31)) {
      y >>= 1;
      result |= std::uint64_t{1} << bit;
    }
  }
  return result;
}

struct Candidate {
  std::string_view word;
  std::size_t length;  // in code points
  // 0 for a lemma (the list holds an inflected form of it), 1 for a word
  // neither inflected nor inflecting, 2 for an inflected form.
  int tier = 1;
  std::uint64_t cost = 0;  // how unusual the spelling is; lower first
};

// The words of a list written in its language's lower-case letters.
struct Scan {
  // The distinct ones short enough to be a candidate or a candidate's base.
  Lexicon lexicon;
  // The words that NFC changed, which the views above and below show.
  std::deque<std::string> composed;
  // How many words start or end with each consonant run.
  std::unordered_map<std::string_view, std::uint32_t> cluster_words;
  // The distinct ones of the right length and shape.
  std::vector<Candidate> candidates;
};

std::string utf8_text(std::istream& in) {
  std::ostringstream buffer;
  buffer << in.rdbuf();
  std::string text = std::move(buffer).str();
  if (!is_utf8(text)) text = latin1_to_utf8(text);
  if (text.compare(0, 3, "\xEF\xBB\xBF") == 0) text.erase(0, 3);
  return text;
}

bool needs_nfc(const std::vector<char32_t>& code_points) {
  return std::any_of(code_points.begin(), code_points.end(), [](char32_t c) {
    // Every character below U+0300 is in NFC whatever follows it.
    return c >= 0x300 &&
           u_getIntPropertyValue(static_cast<UChar32>(c),
                                 UCHAR_NFC_QUICK_CHECK) != UNORM_YES;
  });
}

bool is_written_in(const std::vector<char32_t>& code_points,
                   const Script& script) {
  return std::all_of(code_points.begin(), code_points.end(),
                     [&script](char32_t c) { return script.index(c) != 0; });
}

// True for a word of 4 to 10 letters with a vowel, no letter three times
// in a row, and not a Roman numeral.
bool has_address_shape(std::string_view word,
                       const std::vector<char32_t>& code_points,
                       const Script& script) {
  const std::size_t length = code_points.size();
  if (length < kMinLength || length > kMaxLength) return false;
  if (std::none_of(code_points.begin(), code_points.end(),
                   [&script](char32_t c) { return script.is_vowel(c); })) {
    return false;
  }
  for (std::size_t i = 2; i < length; ++i) {
    if (code_points[i] == code_points[i - 1] &&
        code_points[i] == code_points[i - 2]) {
      return false;
    }
  }
  return !is_roman_numeral(word);
}

// `text` must outlive the result.
Scan scan_list(std::string_view text, const Script& script,
               std::size_t max_lexicon_length) {
  Scan scan;
  scan.lexicon.reserve(text.size() / 16);
  Letters letters;
  while (!text.empty()) {
    const std::size_t end = std::min(text.find('\n'), text.size());
    std::string_view word = text.substr(0, end);
    text.remove_prefix(std::min(end + 1, text.size()));
    if (!word.empty() && word.back() == '\r') word.remove_suffix(1);
    if (word.empty()) continue;
    letters.decode(word);
    if (needs_nfc(letters.code_points)) {
      scan.composed.push_back(nfc(word));
      word = scan.composed.back();
      letters.decode(word);
    }
    const std::vector<char32_t>& cps = letters.code_points;
    if (!is_written_in(cps, script)) continue;
    const std::size_t length = cps.size();
    // Longer words only count their consonant runs: they are neither
    // candidates nor bases, so a repeated one merely counts them twice.
    if (length <= max_lexicon_length && !scan.lexicon.insert(word)) {
      continue;
    }
    const Clusters clusters = clusters_of(word, letters, script);
    if (!clusters.leading.empty()) ++scan.cluster_words[clusters.leading];
    if (!clusters.trailing.empty()) ++scan.cluster_words[clusters.trailing];

    if (has_address_shape(word, cps, script)) {
      scan.candidates.push_back({word, length});
    }
  }
  return scan;
}

// True when `word` starts or ends with a consonant run that few words of
// the list share and is no inflected form of a word of the list, nor has
// one.
bool looks_like_abbreviation(std::string_view word, const Scan& scan,
                             const Script& script, const WordEndings& endings,
                             Letters* letters,
                             std::vector<std::string>* bases) {
  letters->decode(word);
  const Clusters clusters = clusters_of(word, *letters, script);
  // A word from elsewhere may end in a run that no word of the list has.
  const auto rare = [&scan](std::string_view cluster) {
    if (cluster.empty()) return false;
    const auto it = scan.cluster_words.find(cluster);
    return it == scan.cluster_words.end() || it->second < kMinClusterWords;
  };
  if (!rare(clusters.leading) && !rare(clusters.trailing)) return false;
  endings.bases_in(word, scan.lexicon, bases);
  return bases->empty() && !endings.has_form(word, scan.lexicon);
}

// Calls visit(a, b) for each pair of letter indices of `word`, from the
// start of the word (index 0) to its end (index 0 again).
template <typename Visit>
void for_each_pair(std::string_view word, const Script& script, Visit visit) {
  std::uint8_t previous = 0;
  char32_t c;
  for (std::size_t i = 0; i < word.size();) {
    core::decode_utf8(word, &i, &c);
    const std::uint8_t letter = script.index(c);
    visit(previous, letter);
    previous = letter;
  }
  visit(previous, std::uint8_t{0});
}

// Sets each candidate's cost: the sum over its letter pairs (a, b) of
// -log2 of the share of pairs starting with a that go on with b, among the
// candidates that are not inflected forms, add-one smoothed so that pairs
// they lack cost most.
void set_costs(std::vector<Candidate>* candidates, const Script& script) {
  const std::size_t n = script.letter_count();
  std::vector<std::uint64_t> pairs(n * n, 0);
  std::vector<std::uint64_t> firsts(n, 0);
  for (const Candidate& candidate : *candidates) {
    if (candidate.tier == 2) continue;
    for_each_pair(candidate.word, script, [&](std::uint8_t a, std::uint8_t b) {
      ++pairs[a * n + b];
      ++firsts[a];
    });
  }
  std::vector<std::uint64_t> pair_cost(n * n);
  for (std::size_t a = 0; a < n; ++a) {
    for (std::size_t b = 0; b < n; ++b) {
      pair_cost[a * n + b] =
          log2_fixed(firsts[a] + n) - log2_fixed(pairs[a * n + b] + 1);
    }
  }
  for (Candidate& candidate : *candidates) {
    candidate.cost = 0;
    for_each_pair(candidate.word, script, [&](std::uint8_t a, std::uint8_t b) {
      candidate.cost += pair_cost[a * n + b];
    });
  }
}

}  // namespace

struct WordCleaner::State {
  State(const std::string& code, std::istream& list, const Blocklist& blocked)
      : script(alphabet_of(code)),
        endings(code),
        blocklist(blocked),
        text(utf8_text(list)),
        scan(scan_list(text, script, kMaxLength + endings.max_growth())) {}

  // Whether `word` (in the script's letters) is an abbreviation or blocked;
  // leaves its base forms in `bases`.
  bool rejects(std::string_view word, std::vector<std::string>* bases) {
    if (looks_like_abbreviation(word, scan, script, endings, &letters, bases)) {
      return true;
    }
    endings.bases_in(word, scan.lexicon, bases);
    return blocklist.blocks(word, *bases, scan.lexicon);
  }

  const Script script;
  const WordEndings endings;
  const Blocklist& blocklist;
  const std::string text;
  const Scan scan;
  // Scratch space of rejects().
  Letters letters;
};

WordCleaner::WordCleaner(const std::string& code, std::istream& list,
                         const Blocklist& blocklist)
    : state_(std::make_unique<State>(code, list, blocklist)) {}

WordCleaner::~WordCleaner() = default;

std::vector<std::string> WordCleaner::clean_words() const {
  State& state = *state_;
  std::vector<std::string> bases;
  std::vector<Candidate> candidates;
  candidates.reserve(state.scan.candidates.size());
  for (Candidate candidate : state.scan.candidates) {
    const std::string_view word = candidate.word;
    if (state.rejects(word, &bases)) continue;
    if (!bases.empty() && !state.endings.is_lemma(word, state.scan.lexicon)) {
      candidate.tier = 2;
    } else if (state.endings.has_form(word, state.scan.lexicon)) {
      candidate.tier = 0;
    }
    candidates.push_back(candidate);
  }

  set_costs(&candidates, state.script);
  std::sort(candidates.begin(), candidates.end(),
            [](const Candidate& a, const Candidate& b) {
              // Length counts most, so that the first word numbers (those
              // of the most crowded squares) are short; an inflected form
              // counts as two letters longer than it is.
              const int a_rank = a.length + a.tier;
              const int b_rank = b.length + b.tier;
              if (a_rank != b_rank) return a_rank < b_rank;
              if (a.tier != b.tier) return a.tier < b.tier;
              if (a.cost != b.cost) return a.cost < b.cost;
              return a.word < b.word;
            });
  std::vector<std::string> words;
  words.reserve(candidates.size());
  for (const Candidate& candidate : candidates) {
    words.emplace_back(candidate.word);
  }
  return words;
}

bool WordCleaner::accepts(std::string_view word) const {
  State& state = *state_;
  Letters letters;
  if (!is_utf8(word)) return false;
  letters.decode(word);
  if (needs_nfc(letters.code_points) ||
      !is_written_in(letters.code_points, state.script) ||
      !has_address_shape(word, letters.code_points, state.script)) {
    return false;
  }
  std::vector<std::string> bases;
  if (state.rejects(word, &bases)) return false;
  // A word from elsewhere may be a form of a blocked word that the list
  // lacks: its base forms count whether or not they are words.
  state.endings.bases(word, &bases);
  return !state.blocklist.blocks(word, bases, state.scan.lexicon);
}

std::vector<std::string> clean_words(const std::string& code,
                                     std::istream& list,
                                     const Blocklist& blocklist) {
  return WordCleaner(code, list, blocklist).clean_words();
}

}  // namespace mkdata
}  // namespace tessera
