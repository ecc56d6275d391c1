#include "mkdata/wordlist/word_index_writer.h"

#include <algorithm>
#include <array>
#include <random>
#include <stdexcept>
#include <unordered_set>

#include "mkdata/byte_writer.h"
#include "wordlist/jenkins_hash.h"
#include "wordlist/word_index_format.h"

namespace tessera {
namespace mkdata {
namespace {

namespace format = wordlist::word_index_format;

// A key with the slot it will fill: language number and record offset.
struct Key {
  const std::u16string* normalised;
  std::uint32_t payload;
};

// The three slots of each key (one hyperedge per key) under one set of
// seeds.
using Edges = std::vector<std::array<std::uint32_t, 3>>;

// Slots per key, as a ratio of 100: just above the 1.222 below which a
// random 3-hypergraph is almost never acyclic.
constexpr std::uint64_t kSlotsPerHundredKeys = 123;
// Attempts with one table size before it grows a little.
constexpr int kAttemptsPerSize = 64;
constexpr int kMaxAttempts = 4096;
// The fixed seed of the generator that draws the hash seeds.
constexpr std::uint32_t kSeedGeneratorSeed = 0x5EED1DE5u;

std::uint32_t initial_table_size(std::size_t key_count) {
  const std::uint64_t size =
      (std::uint64_t{key_count} * kSlotsPerHundredKeys + 99) / 100;
  // Three distinct slots need at least three.
  return static_cast<std::uint32_t>(std::max<std::uint64_t>(size, 3));
}

// The keys in list order, each with its slot payload, after checking them.
std::vector<Key> collect_keys(
    const std::vector<Language>& languages,
    const std::map<Language, std::vector<IndexedWord>>& words) {
  for (const auto& entry : words) {
    if (std::find(languages.begin(), languages.end(), entry.first) ==
        languages.end()) {
      throw std::invalid_argument("word index: language " + entry.first.code +
                                  " is not in the language list");
    }
  }
  std::vector<Key> keys;
  std::unordered_set<std::u16string> seen;
  for (std::size_t i = 0; i < languages.size(); ++i) {
    const auto found = words.find(languages[i]);
    if (found == words.end() || found->second.empty()) continue;
    const std::uint32_t number = static_cast<std::uint32_t>(i + 1);
    if (number > format::kMaxLanguages) {
      throw std::invalid_argument("word index: language " + languages[i].code +
                                  " is number " + std::to_string(number) +
                                  ", beyond the 63 a slot can hold");
    }
    for (const IndexedWord& word : found->second) {
      if (word.record_offset >= format::kOffsetLimit) {
        throw std::invalid_argument(
            "word index: record offset " + std::to_string(word.record_offset) +
            " of language " + languages[i].code + " is not below 2^24");
      }
      if (!seen.insert(word.normalised).second) {
        throw std::invalid_argument(
            "word index: two words of the list have one normalised form (a "
            "word of language " +
            languages[i].code + ")");
      }
      keys.push_back(
          {&word.normalised, format::make_slot(0, number, word.record_offset)});
    }
  }
  return keys;
}

// The slots of every key, or false when a key's three slots are not
// distinct.
bool hash_keys(const std::vector<Key>& keys,
               const std::array<std::uint32_t, 3>& seeds, std::uint32_t size,
               Edges& edges) {
  edges.resize(keys.size());
  for (std::size_t e = 0; e < keys.size(); ++e) {
    for (int i = 0; i < 3; ++i) {
      edges[e][i] =
          wordlist::jenkins_hash(*keys[e].normalised, seeds[i]) % size;
    }
    if (edges[e][0] == edges[e][1] || edges[e][0] == edges[e][2] ||
        edges[e][1] == edges[e][2]) {
      return false;
    }
  }
  return true;
}

// One peeled edge and the slot that was free (of degree 1) when it went.
struct Peeled {
  std::uint32_t edge;
  std::uint32_t free_slot;
};

// Peels the hypergraph: repeatedly removes an edge that is alone on one of
// its slots. Returns the edges in peeling order, or fewer than all of them
// when a cycle (a 2-core) remains.
std::vector<Peeled> peel(const Edges& edges, std::uint32_t size) {
  // Each slot's degree and the XOR of its remaining edges, which names the
  // edge itself once the degree is 1.
  std::vector<std::uint32_t> degree(size, 0);
  std::vector<std::uint32_t> edge_xor(size, 0);
  for (std::uint32_t e = 0; e < edges.size(); ++e) {
    for (std::uint32_t slot : edges[e]) {
      ++degree[slot];
      edge_xor[slot] ^= e;
    }
  }
  std::vector<std::uint32_t> alone;
  for (std::uint32_t slot = 0; slot < size; ++slot) {
    if (degree[slot] == 1) alone.push_back(slot);
  }
  std::vector<Peeled> order;
  order.reserve(edges.size());
  while (!alone.empty()) {
    const std::uint32_t slot = alone.back();
    alone.pop_back();
    if (degree[slot] != 1) continue;
    const std::uint32_t e = edge_xor[slot];
    order.push_back({e, slot});
    for (std::uint32_t other : edges[e]) {
      --degree[other];
      edge_xor[other] ^= e;
      if (degree[other] == 1) alone.push_back(other);
    }
  }
  return order;
}

// The table: in reverse peeling order each edge's free slot gets the
// selector that makes the sum of its three selectors, mod 3, the position of
// that slot in the edge, and the edge's payload. A free slot is never
// touched by edges handled before it, and never changed afterwards, so
// every key keeps selecting its own slot.
std::vector<std::uint32_t> assign(const std::vector<Key>& keys,
                                  const Edges& edges,
                                  const std::vector<Peeled>& order,
                                  std::uint32_t size) {
  std::vector<std::uint32_t> slots(size, 0);
  for (auto it = order.rbegin(); it != order.rend(); ++it) {
    const auto& edge = edges[it->edge];
    std::uint32_t position = 0;
    std::uint32_t others = 0;
    for (std::uint32_t i = 0; i < 3; ++i) {
      if (edge[i] == it->free_slot) {
        position = i;
      } else {
        others += format::selector(slots[edge[i]]);
      }
    }
    // others <= 4, so adding 6 keeps the difference positive.
    const std::uint32_t selector = (position + 6 - others) % 3;
    slots[it->free_slot] =
        keys[it->edge].payload | selector << format::kSelectorShift;
  }
  return slots;
}

}  // namespace

std::vector<std::uint8_t> word_index_file(
    const std::vector<Language>& languages,
    const std::map<Language, std::vector<IndexedWord>>& words) {
  const std::vector<Key> keys = collect_keys(languages, words);
  std::uint32_t size = initial_table_size(keys.size());
  std::mt19937 generator(kSeedGeneratorSeed);
  Edges edges;
  for (int attempt = 1; attempt <= kMaxAttempts; ++attempt) {
    const std::array<std::uint32_t, 3> seeds = {
        static_cast<std::uint32_t>(generator()),
        static_cast<std::uint32_t>(generator()),
        static_cast<std::uint32_t>(generator())};
    if (hash_keys(keys, seeds, size, edges)) {
      const std::vector<Peeled> order = peel(edges, size);
      if (order.size() == keys.size()) {
        ByteWriter body;
        for (std::uint32_t seed : seeds) body.u32(seed);
        body.u32(size);
        for (std::uint32_t slot : assign(keys, edges, order, size)) {
          body.u32(slot);
        }
        return frame(body.bytes());
      }
    }
    if (attempt % kAttemptsPerSize == 0) size += size / 64 + 1;
  }
  throw std::runtime_error("word index: no perfect hash found");
}

}  // namespace mkdata
}  // namespace tessera
