#include "mkdata/world/word_set.h"

#include <cstring>

namespace tessera {
namespace mkdata {
namespace {

// FNV-1a, 64 bits: short words hash in a few cycles.
std::uint64_t hash_of(std::string_view word) noexcept {
  std::uint64_t hash = 0xCBF29CE484222325u;
  for (char c : word) {
    hash = (hash ^ static_cast<unsigned char>(c)) * 0x100000001B3u;
  }
  return hash;
}

// The empty word's bytes: a slot's data is never nullptr once used.
constexpr char kEmpty[] = "";

}  // namespace

void WordSet::reserve(std::size_t count) {
  // Keep the set at most half full.
  std::size_t slot_count = 16;
  while (slot_count / 2 < count) slot_count *= 2;
  if (slot_count > slots_.size()) rehash(slot_count);
}

bool WordSet::insert(std::string_view word) {
  if ((size_ + 1) * 2 > slots_.size()) {
    rehash(slots_.empty() ? 16 : slots_.size() * 2);
  }
  const std::uint64_t hash = hash_of(word);
  Slot& slot = slots_[find(word, hash)];
  if (slot.data != nullptr) return false;
  slot.data = word.empty() ? kEmpty : word.data();
  slot.size = word.size();
  slot.hash = static_cast<std::uint32_t>(hash);
  ++size_;
  return true;
}

bool WordSet::contains(std::string_view word) const noexcept {
  if (slots_.empty()) return false;
  return slots_[find(word, hash_of(word))].data != nullptr;
}

std::size_t WordSet::find(std::string_view word,
                          std::uint64_t hash) const noexcept {
  const std::size_t mask = slots_.size() - 1;
  // The high bits of the product mix every bit of the hash.
  std::size_t i =
      static_cast<std::size_t>((hash * 0x9E3779B97F4A7C15u) >> 32) & mask;
  const std::uint32_t tag = static_cast<std::uint32_t>(hash);
  for (;; i = (i + 1) & mask) {
    const Slot& slot = slots_[i];
    if (slot.data == nullptr) return i;
    if (slot.hash == tag && slot.size == word.size() &&
        (word.empty() ||
         std::memcmp(slot.data, word.data(), word.size()) == 0)) {
      return i;
    }
  }
}

void WordSet::rehash(std::size_t slot_count) {
  std::vector<Slot> old;
  old.swap(slots_);
  slots_.resize(slot_count);
  for (const Slot& slot : old) {
    if (slot.data == nullptr) continue;
    const std::string_view word(slot.data, slot.size);
    slots_[find(word, hash_of(word))] = slot;
  }
}

}  // namespace mkdata
}  // namespace tessera
