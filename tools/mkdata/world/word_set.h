// A set of the words of one word list, built for the many look-ups that
// cleaning a list of millions of words makes.
#ifndef TESSERA_TOOLS_MKDATA_WORLD_WORD_SET_H_
#define TESSERA_TOOLS_MKDATA_WORLD_WORD_SET_H_

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace tessera {
namespace mkdata {

// A hash set of byte strings that holds views, not copies: the bytes of
// every word inserted must outlive the set. Open addressing with the hash
// beside each view, so that most look-ups of a missing word read one cache
// line. Not thread-safe for writes; concurrent reads are safe.
class WordSet {
 public:
  WordSet() = default;

  // Makes room for `count` words without rehashing.
  void reserve(std::size_t count);

  // Adds `word` unless it is in the set; returns whether it was added.
  bool insert(std::string_view word);

  bool contains(std::string_view word) const noexcept;

  std::size_t size() const noexcept { return size_; }

 private:
  struct Slot {
    const char* data = nullptr;  // nullptr for an empty slot
    std::size_t size = 0;
    std::uint32_t hash = 0;  // the low bits of the word's hash
  };

  // The slot holding `word`, or the empty slot where it would go.
  // Requires: at least one empty slot.
  std::size_t find(std::string_view word, std::uint64_t hash) const noexcept;
  void rehash(std::size_t slot_count);

  std::vector<Slot> slots_;  // a power of two of them, or none
  std::size_t size_ = 0;
};

}  // namespace mkdata
}  // namespace tessera

#endif  // TESSERA_TOOLS_MKDATA_WORLD_WORD_SET_H_
