#include "mkdata/world/word_ranking.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <unordered_map>
#include <utility>

#include "mkdata/world/word_case.h"

namespace tessera {
namespace mkdata {

std::vector<WordFrequency> word_frequencies(
    const std::vector<WordCount>& counts,
    const std::unordered_set<std::string>* nouns) {
  double total = 0;
  for (const WordCount& count : counts)
    total += static_cast<double>(count.count);
  std::vector<WordFrequency> words;
  std::unordered_map<std::string, std::size_t> index;
  for (const WordCount& count : counts) {
    std::string word = lower_case(count.word);
    if (word.empty()) continue;
    const bool lower = word == count.word;
    const bool noun = nouns != nullptr && !lower &&
                      is_capitalised_word(count.word) &&
                      nouns->count(count.word) != 0;
    if (!lower && !noun) continue;
    const auto [it, added] = index.emplace(word, words.size());
    if (added) words.push_back({std::move(word), {}, 0});
    WordFrequency& entry = words[it->second];
    entry.frequency += static_cast<double>(count.count) / total;
    if (std::find(entry.spellings.begin(), entry.spellings.end(), count.word) ==
        entry.spellings.end()) {
      entry.spellings.push_back(count.word);
    }
  }
  return words;
}

void add_frequencies(std::vector<WordFrequency>* into,
                     const std::vector<WordFrequency>& more) {
  std::unordered_map<std::string, std::size_t> index;
  for (std::size_t i = 0; i < into->size(); ++i)
    index.emplace((*into)[i].word, i);
  for (const WordFrequency& word : more) {
    const auto [it, added] = index.emplace(word.word, into->size());
    if (added) {
      into->push_back(word);
      continue;
    }
    WordFrequency& entry = (*into)[it->second];
    entry.frequency += word.frequency;
    for (const std::string& spelling : word.spellings) {
      if (std::find(entry.spellings.begin(), entry.spellings.end(), spelling) ==
          entry.spellings.end()) {
        entry.spellings.push_back(spelling);
      }
    }
  }
}

std::vector<std::string> rank_by_frequency(std::vector<WordFrequency> words) {
  std::sort(words.begin(), words.end(),
            [](const WordFrequency& a, const WordFrequency& b) {
              if (a.frequency != b.frequency) return a.frequency > b.frequency;
              return a.word < b.word;
            });
  std::vector<std::string> ranked;
  ranked.reserve(words.size());
  for (WordFrequency& word : words) ranked.push_back(std::move(word.word));
  return ranked;
}

std::vector<std::string> ranked_then_filled(
    const std::vector<std::string>& ranked,
    const std::vector<std::string>& fill) {
  std::unordered_set<std::string> seen;
  std::vector<std::string> words;
  words.reserve(ranked.size() + fill.size());
  for (const auto* list : {&ranked, &fill}) {
    for (const std::string& word : *list) {
      if (seen.insert(word).second) words.push_back(word);
    }
  }
  return words;
}

}  // namespace mkdata
}  // namespace tessera
