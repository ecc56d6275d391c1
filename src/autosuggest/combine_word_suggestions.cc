#include "autosuggest/combine_word_suggestions.h"

#include <algorithm>
#include <cstddef>

namespace tessera {
namespace autosuggest {
namespace {

// Word numbers are below 2^20, so the three fit side by side in 60 bits.
std::int64_t triple_key(std::int32_t w0, std::int32_t w1, std::int32_t w2) {
  const std::uint64_t key = (static_cast<std::uint64_t>(w0) << 40) +
                            (static_cast<std::uint64_t>(w1) << 20) +
                            static_cast<std::uint64_t>(w2);
  return static_cast<std::int64_t>(key);
}

}  // namespace

CombineWordSuggestions::CombineWordSuggestions(
    const std::vector<OptionsForEachSlot>& options, int n)
    : options(&options), n(n) {}

void CombineWordSuggestions::push(std::int32_t option, std::int32_t i0,
                                  std::int32_t i1, std::int32_t i2) {
  const OptionsForEachSlot& slots = (*options)[option];
  const std::int64_t score = std::int64_t{slots[0][i0].score} +
                             std::int64_t{slots[1][i1].score} +
                             std::int64_t{slots[2][i2].score};
  heap.push_back({next_seq++, option, i0, i1, i2, score});
  std::push_heap(heap.begin(), heap.end(), CmpChoiceByReverseScore());
}

std::vector<SimilarTWA> CombineWordSuggestions::operator()() {
  if (n <= 0) return {};
  for (std::size_t o = 0; o < options->size(); ++o) {
    const OptionsForEachSlot& slots = (*options)[o];
    if (!slots[0].empty() && !slots[1].empty() && !slots[2].empty()) {
      push(static_cast<std::int32_t>(o), 0, 0, 0);
    }
  }
  while (results.size() < static_cast<std::size_t>(n) && !heap.empty()) {
    std::pop_heap(heap.begin(), heap.end(), CmpChoiceByReverseScore());
    const Choice c = heap.back();
    heap.pop_back();
    const OptionsForEachSlot& slots = (*options)[c.option];
    const std::int32_t w0 = slots[0][c.i0].word_no;
    const std::int32_t w1 = slots[1][c.i1].word_no;
    const std::int32_t w2 = slots[2][c.i2].word_no;
    if (emitted.insert(triple_key(w0, w1, w2)).second) {
      results.push_back({{w0, w1, w2}, static_cast<double>(c.score)});
    }
    if (static_cast<std::size_t>(c.i0) + 1 < slots[0].size()) {
      push(c.option, c.i0 + 1, c.i1, c.i2);
    }
    if (c.i0 != 0) continue;
    if (static_cast<std::size_t>(c.i1) + 1 < slots[1].size()) {
      push(c.option, c.i0, c.i1 + 1, c.i2);
    }
    if (c.i1 != 0) continue;
    if (static_cast<std::size_t>(c.i2) + 1 < slots[2].size()) {
      push(c.option, c.i0, c.i1, c.i2 + 1);
    }
  }
  return std::move(results);
}

std::vector<SimilarTWA> combine_word_suggestions(
    const std::vector<levenshtein::SimilarWord>& first,
    const std::vector<levenshtein::SimilarWord>& second,
    const std::vector<levenshtein::SimilarWord>& third, int n) {
  const std::vector<OptionsForEachSlot> options{
      OptionsForEachSlot{first, second, third}};
  return combine_word_suggestions(options, n);
}

std::vector<SimilarTWA> combine_word_suggestions(
    const std::vector<OptionsForEachSlot>& options, int n) {
  return CombineWordSuggestions(options, n)();
}

}  // namespace autosuggest
}  // namespace tessera
