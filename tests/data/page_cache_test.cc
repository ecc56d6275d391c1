#include "data/page_cache.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <vector>

namespace tessera {
namespace data {
namespace {

constexpr std::size_t kPage = PageCache::kPageSize;
constexpr std::size_t kSet = kPage * PageCache::kWays;

// A page whose every byte tells the page and its place: (page + i) mod 256.
std::vector<std::uint8_t> page_bytes(std::size_t page, std::size_t size) {
  std::vector<std::uint8_t> bytes(size);
  for (std::size_t i = 0; i < size; ++i) {
    bytes[i] = static_cast<std::uint8_t>(page + i);
  }
  return bytes;
}

void store_page(PageCache& cache, std::uint32_t file, std::size_t page,
                std::size_t size = kPage) {
  const std::vector<std::uint8_t> bytes = page_bytes(page, size);
  cache.store(file, page, bytes.data(), bytes.size());
}

bool holds(PageCache& cache, std::uint32_t file, std::size_t page) {
  std::uint8_t byte;
  return cache.copy_out(file, page, 0, 1, &byte);
}

TEST(PageCache, CopiesOutWhatWasStoredForThatFileAndPage) {
  PageCache cache(16 * kSet);
  const std::uint32_t a = cache.add_file();
  const std::uint32_t b = cache.add_file();
  EXPECT_NE(a, b);
  EXPECT_FALSE(holds(cache, a, 7));

  store_page(cache, a, 7);
  std::uint8_t out[10];
  ASSERT_TRUE(cache.copy_out(a, 7, kPage - 3, 3, out));
  const std::vector<std::uint8_t> page = page_bytes(7, kPage);
  EXPECT_EQ(std::vector<std::uint8_t>(out, out + 3),
            std::vector<std::uint8_t>(page.end() - 3, page.end()));
  EXPECT_FALSE(holds(cache, b, 7));
  EXPECT_FALSE(holds(cache, a, 8));

  // The last page of a file is short: nothing past its end is copied.
  store_page(cache, b, 2, 100);
  ASSERT_TRUE(cache.copy_out(b, 2, 90, 10, out));
  EXPECT_EQ(out[9], static_cast<std::uint8_t>(2 + 99));
  EXPECT_FALSE(cache.copy_out(b, 2, 95, 6, out));
}

// Memory is taken page by page as pages are stored, and never more than
// the capacity, however many pages go through.
TEST(PageCache, HoldsNoMoreThanItsCapacity) {
  PageCache cache(3 * kSet + kPage);  // rounds down to 3 sets
  EXPECT_EQ(cache.bytes_held(), 0u);
  const std::uint32_t file = cache.add_file();
  store_page(cache, file, 0);
  EXPECT_EQ(cache.bytes_held(), kPage);
  store_page(cache, file, 0);
  EXPECT_EQ(cache.bytes_held(), kPage);
  for (std::size_t page = 0; page < 1000; ++page) store_page(cache, file, page);
  EXPECT_EQ(cache.bytes_held(), 3 * kSet);

  PageCache none(kSet - 1);
  store_page(none, none.add_file(), 0);
  EXPECT_FALSE(holds(none, 0, 0));
  EXPECT_EQ(none.bytes_held(), 0u);
}

// With one set every page competes for the same ways: a full set gives up
// the page used longest ago.
TEST(PageCache, EvictsTheLeastRecentlyUsedPageOfTheSet) {
  PageCache cache(kSet);
  const std::uint32_t file = cache.add_file();
  for (std::size_t page = 0; page < PageCache::kWays; ++page) {
    store_page(cache, file, page);
  }
  ASSERT_TRUE(holds(cache, file, 0));  // 1 is now the oldest
  store_page(cache, file, 100);
  EXPECT_TRUE(holds(cache, file, 0));
  EXPECT_FALSE(holds(cache, file, 1));
  EXPECT_TRUE(holds(cache, file, 2));
  EXPECT_TRUE(holds(cache, file, 100));
  std::uint8_t out;
  ASSERT_TRUE(cache.copy_out(file, 100, 5, 1, &out));
  EXPECT_EQ(out, static_cast<std::uint8_t>(105));
}

}  // namespace
}  // namespace data
}  // namespace tessera
