// A bounded cache of pages of open data files, shared by the files of one
// engine, so that the parts of the wordlists, the word index and the place
// files that queries keep coming back to are read from the disk once.
#ifndef TESSERA_DATA_PAGE_CACHE_H_
#define TESSERA_DATA_PAGE_CACHE_H_

#include <cstddef>
#include <cstdint>
#include <memory>
#include <mutex>
#include <vector>

namespace tessera {
namespace data {

// Pages of kPageSize bytes, each known by its file's number and its page
// number in the file, in sets of kWays: a page can only be held in the set
// its numbers hash to, and a set that is full gives up its least recently
// used page. A page's memory is taken when it is first stored, so the cache
// holds no more than the pages stored into it, and never more than its
// capacity. Any number of threads may use one cache at once (one lock,
// held only to look up and copy a few bytes).
class PageCache {
 public:
  static constexpr std::size_t kPageSize = 4096;
  static constexpr std::size_t kWays = 4;

  // A cache of at most `capacity_bytes` bytes of pages, rounded down to
  // whole sets; less than one set caches nothing.
  explicit PageCache(std::size_t capacity_bytes);

  PageCache(const PageCache&) = delete;
  PageCache& operator=(const PageCache&) = delete;

  // A number for a newly opened file, different from every number given
  // before.
  std::uint32_t add_file();

  // When page `page` of file `file` is held and has at least `offset` +
  // `count` bytes, copies those bytes to `out` and returns true; otherwise
  // returns false. Requires: offset + count <= kPageSize.
  bool copy_out(std::uint32_t file, std::size_t page, std::size_t offset,
                std::size_t count, std::uint8_t* out);

  // Holds `size` bytes (at most kPageSize) as page `page` of file `file`,
  // unless it is held already. A page shorter than kPageSize is the last
  // page of its file.
  void store(std::uint32_t file, std::size_t page, const std::uint8_t* bytes,
             std::size_t size);

  // The bytes of page memory taken so far.
  std::size_t bytes_held() const;

 private:
  struct Slot {
    std::uint32_t file = kNoFile;
    std::size_t page = 0;
    std::size_t size = 0;
    std::uint64_t last_use = 0;
    std::unique_ptr<std::uint8_t[]> bytes;
  };
  static constexpr std::uint32_t kNoFile = 0xFFFFFFFF;

  // The first slot of the set that page `page` of `file` belongs to.
  Slot* set_of(std::uint32_t file, std::size_t page);

  mutable std::mutex mutex_;
  std::vector<Slot> slots_;
  std::size_t set_count_;
  std::uint32_t next_file_ = 0;
  std::uint64_t clock_ = 0;
};

}  // namespace data
}  // namespace tessera

#endif  // TESSERA_DATA_PAGE_CACHE_H_
