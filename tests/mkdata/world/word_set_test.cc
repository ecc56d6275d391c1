#include "mkdata/world/word_set.h"

#include <gtest/gtest.h>

#include <deque>
#include <random>
#include <set>
#include <string>

namespace tessera {
namespace mkdata {
namespace {

// Random words of 0 to 6 letters from a small alphabet, so that many
// repeat.
std::string random_word(std::mt19937* random) {
  std::string word((*random)() % 7, 'a');
  for (char& c : word) c = static_cast<char>('a' + (*random)() % 4);
  return word;
}

TEST(WordSet, AgreesWithStdSet) {
  const std::uint32_t kSeed = 20240611;
  SCOPED_TRACE(kSeed);
  std::mt19937 random(kSeed);
  std::deque<std::string> storage;  // outlives the set
  WordSet words;
  std::set<std::string> expected;
  for (int i = 0; i < 20000; ++i) {
    storage.push_back(random_word(&random));
    const std::string& word = storage.back();
    ASSERT_EQ(words.insert(word), expected.insert(word).second) << word;
    ASSERT_EQ(words.size(), expected.size());
  }
  for (int i = 0; i < 20000; ++i) {
    const std::string word = random_word(&random) + random_word(&random);
    ASSERT_EQ(words.contains(word), expected.count(word) == 1) << word;
  }
}

TEST(WordSet, EmptyAndReserved) {
  WordSet words;
  EXPECT_FALSE(words.contains(""));
  EXPECT_FALSE(words.contains("word"));
  words.reserve(1000);
  EXPECT_TRUE(words.insert(""));
  EXPECT_FALSE(words.insert(""));
  EXPECT_TRUE(words.contains(""));
  EXPECT_FALSE(words.contains("word"));
  EXPECT_EQ(words.size(), 1u);
}

}  // namespace
}  // namespace mkdata
}  // namespace tessera
