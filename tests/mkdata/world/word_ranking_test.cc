#include "mkdata/world/word_ranking.h"

#include <gtest/gtest.h>

#include <string>
#include <unordered_set>
#include <vector>

namespace tessera {
namespace mkdata {
namespace {

std::string describe(const std::vector<WordFrequency>& words) {
  std::string out;
  for (const WordFrequency& w : words) {
    out += w.word + "=" + std::to_string(w.frequency) + "(";
    for (const std::string& spelling : w.spellings) out += spelling + ",";
    out += ") ";
  }
  return out;
}

TEST(WordRanking, TakesLowerCaseWordsAndListedNouns) {
  const std::vector<WordCount> counts = {
      {"der", 400},    {"Haus", 200}, {"essen", 50}, {"Essen", 150},
      {"Berlin", 100}, {"NATO", 50},  {"Zug", 25},   {"zug", 25}};
  // Frequencies are shares of all 1,000 counted words, names included.
  EXPECT_EQ(describe(word_frequencies(counts, nullptr)),
            "der=0.400000(der,) essen=0.050000(essen,) zug=0.025000(zug,) ");
  const std::unordered_set<std::string> nouns = {"Haus", "Essen", "Zug",
                                                 "NATO"};
  EXPECT_EQ(describe(word_frequencies(counts, &nouns)),
            "der=0.400000(der,) haus=0.200000(Haus,) "
            "essen=0.200000(essen,Essen,) zug=0.050000(Zug,zug,) ");
}

TEST(WordRanking, AddsSourcesAndRanksByFrequencyThenBytes) {
  std::vector<WordFrequency> written = {{"time", {"time"}, 0.5},
                                        {"born", {"born"}, 0.3},
                                        {"okay", {"okay"}, 0.01}};
  const std::vector<WordFrequency> spoken = {{"okay", {"okay", "Okay"}, 0.4},
                                             {"gonna", {"gonna"}, 0.3}};
  add_frequencies(&written, spoken);
  EXPECT_EQ(describe(written),
            "time=0.500000(time,) born=0.300000(born,) "
            "okay=0.410000(okay,Okay,) gonna=0.300000(gonna,) ");
  EXPECT_EQ(rank_by_frequency(written),
            (std::vector<std::string>{"time", "okay", "born", "gonna"}));
}

TEST(WordRanking, FillsAfterTheRankedWordsOnce) {
  EXPECT_EQ(ranked_then_filled({"time", "people", "time"},
                               {"cat", "people", "dog", "cat"}),
            (std::vector<std::string>{"time", "people", "cat", "dog"}));
}

}  // namespace
}  // namespace mkdata
}  // namespace tessera
