#include "autosuggest/levenshtein/mass_levenshtein.h"

#include <algorithm>
#include <cstdint>
#include <limits>

#include "autosuggest/autosuggest_format.h"

namespace tessera {
namespace autosuggest {
namespace levenshtein {
namespace {

// The matrix covers rows 0 ... 31 (dictionary positions) and columns
// 0 ... 31 (query positions): entries have at most 31 codes and only the
// first 31 codes of a query count.
constexpr int kMatrixSize = kMaxEntryLength + 1;
constexpr std::int32_t kNoScore = std::numeric_limits<std::int32_t>::max();

}  // namespace

MassLevenshtein::MassLevenshtein(const AutosuggestData& data)
    : costs(data.encodable_characters(), data.similar_pairs()),
      encoder(data.encodable_characters()),
      table(&data.levenshtein_table()),
      similar_words_cache(kSimilarWordCacheCapacity) {}

std::shared_ptr<const std::vector<SimilarWord>>
MassLevenshtein::similar_words_to(const std::u16string& normalised,
                                  int n) const {
  if (auto cached = similar_words_cache.get(normalised)) return cached;
  auto computed = std::make_shared<const std::vector<SimilarWord>>(
      recompute_similar_words_to(normalised, n));
  similar_words_cache.insert(normalised, computed);
  return computed;
}

std::vector<SimilarWord> MassLevenshtein::recompute_similar_words_to(
    const std::u16string& normalised, int n) const {
  if (n <= 0) return {};
  const std::string query = encoder.encode_normalised_string(normalised);
  const int query_length =
      std::min(static_cast<int>(query.size()), kMatrixSize - 1);
  const std::uint8_t* q = reinterpret_cast<const std::uint8_t*>(query.data());

  // The n best so far, the worst on top; placeholders fill it at first.
  const CmpSimilarWordByScore less;
  std::vector<SimilarWord> best;
  best.reserve(static_cast<std::size_t>(n) + 1);
  best.assign(static_cast<std::size_t>(n), SimilarWord{-1, kNoScore});
  std::int32_t threshold = kNoScore;

  // d[i][j]: distance between the first i codes of the entry and the first
  // j codes of the query. Rows of a prefix shared with the previous entry
  // are kept from it.
  std::int32_t d[kMatrixSize][kMatrixSize];
  std::int32_t row_min[kMatrixSize];
  for (int i = 0; i < kMatrixSize; ++i) d[i][0] = kInsertDeleteCost * i;
  for (int j = 0; j < kMatrixSize; ++j) d[0][j] = kInsertDeleteCost * j;
  row_min[0] = 0;

  // After an entry was abandoned at row `abandoned_row`, the entries that
  // share that many codes with it cannot do better and are skipped.
  bool complete = true;
  int abandoned_row = 0;
  const std::uint32_t count = table->entry_count();
  const std::uint8_t* codes = table->codes();
  for (std::uint32_t k = 0; k < count; ++k) {
    const int length = table->length(k);
    const int shared = table->shared_prefix(k);
    const std::uint8_t* w = codes;  // w[i - 1] is the code of row i
    codes += length;
    if (!complete && shared >= abandoned_row) continue;

    bool abandoned = false;
    for (int i = std::min(shared, abandoned_row) + 1; i <= length; ++i) {
      const std::uint8_t wi = w[i - 1];
      const std::int32_t* cost = costs.row(wi);
      const std::int32_t* above = d[i - 1];
      std::int32_t* row = d[i];
      std::int32_t smallest = kInsertDeleteCost * i;
      for (int j = 1; j <= query_length; ++j) {
        std::int32_t v = std::min(above[j] + kInsertDeleteCost,
                                  row[j - 1] + kInsertDeleteCost);
        v = std::min(v, above[j - 1] + cost[q[j - 1]]);
        if (i > 1 && j > 1 && q[j - 2] == wi && w[i - 2] == q[j - 1]) {
          v = std::min(v, d[i - 2][j - 2] + kTranspositionCost);
        }
        row[j] = v;
        smallest = std::min(smallest, v);
      }
      row_min[i] = smallest;
      // No later row can go below min(row_min[i], row_min[i - 1] + 5): a
      // transposition reaches back two rows.
      if (smallest >= threshold &&
          row_min[i - 1] + kTranspositionCost >= threshold) {
        complete = false;
        abandoned_row = i;
        abandoned = true;
        break;
      }
    }
    if (abandoned) continue;

    const std::int32_t score = d[length][query_length];
    if (score < threshold) {
      best.push_back({table->word_no(k), score});
      std::push_heap(best.begin(), best.end(), less);
      std::pop_heap(best.begin(), best.end(), less);
      best.pop_back();
      threshold = best.front().score;
    }
    complete = true;
  }

  best.erase(std::remove_if(best.begin(), best.end(),
                            [](const SimilarWord& w) { return w.word_no < 0; }),
             best.end());
  std::sort(best.begin(), best.end(), less);
  return best;
}

}  // namespace levenshtein
}  // namespace autosuggest
}  // namespace tessera
