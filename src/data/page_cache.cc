#include "data/page_cache.h"

#include <cstring>

namespace tessera {
namespace data {

PageCache::PageCache(std::size_t capacity_bytes)
    : slots_(capacity_bytes / (kPageSize * kWays) * kWays),
      set_count_(slots_.size() / kWays) {}

std::uint32_t PageCache::add_file() {
  const std::lock_guard<std::mutex> lock(mutex_);
  return next_file_++;
}

PageCache::Slot* PageCache::set_of(std::uint32_t file, std::size_t page) {
  // Consecutive pages of one file fall into consecutive sets, and files
  // start at sets far apart.
  const std::uint64_t key =
      static_cast<std::uint64_t>(page) + std::uint64_t{file} * 0x9E3779B97F4A7C15;
  return &slots_[key % set_count_ * kWays];
}

bool PageCache::copy_out(std::uint32_t file, std::size_t page,
                         std::size_t offset, std::size_t count,
                         std::uint8_t* out) {
  if (set_count_ == 0) return false;
  const std::lock_guard<std::mutex> lock(mutex_);
  Slot* set = set_of(file, page);
  for (std::size_t way = 0; way < kWays; ++way) {
    Slot& slot = set[way];
    if (slot.file == file && slot.page == page) {
      if (count > slot.size || offset > slot.size - count) return false;
      std::memcpy(out, slot.bytes.get() + offset, count);
      slot.last_use = ++clock_;
      return true;
    }
  }
  return false;
}

void PageCache::store(std::uint32_t file, std::size_t page,
                      const std::uint8_t* bytes, std::size_t size) {
  if (set_count_ == 0 || size > kPageSize) return;
  const std::lock_guard<std::mutex> lock(mutex_);
  Slot* set = set_of(file, page);
  Slot* victim = set;
  for (std::size_t way = 0; way < kWays; ++way) {
    Slot& slot = set[way];
    if (slot.file == file && slot.page == page) {
      // Another thread stored it first.
      victim = &slot;
      break;
    }
    if (slot.last_use < victim->last_use) victim = &slot;
  }
  if (!victim->bytes) victim->bytes.reset(new std::uint8_t[kPageSize]);
  std::memcpy(victim->bytes.get(), bytes, size);
  victim->file = file;
  victim->page = page;
  victim->size = size;
  victim->last_use = ++clock_;
}

std::size_t PageCache::bytes_held() const {
  const std::lock_guard<std::mutex> lock(mutex_);
  std::size_t held = 0;
  for (const Slot& slot : slots_) {
    if (slot.bytes) held += kPageSize;
  }
  return held;
}

}  // namespace data
}  // namespace tessera
