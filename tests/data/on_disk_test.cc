#include "data/on_disk.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <random>
#include <string>
#include <string_view>
#include <thread>
#include <utility>
#include <vector>

#include "data/in_memory.h"
#include "data/page_cache.h"
#include "tessera/error.h"
#include "testing/hex.h"
#include "testing/temp_dir.h"

namespace tessera {
namespace data {
namespace {

using test::bytes_from_hex;

// One value of each width after the length, followed by 3 bytes that lie
// beyond the declared length of 41.
const std::string kValues = bytes_from_hex(
    "29000000 81 3412 feff 78563412 00000080 0807060504030201 "
    "feffffffffffffff 000000000000f83f ffffff");

struct Values {
  std::uint8_t u8;
  std::uint16_t u16;
  std::int16_t i16;
  std::uint32_t u32;
  std::int32_t i32;
  std::uint64_t u64;
  std::int64_t i64;
  double f64;
};

template <typename View>
Values read_values(View& view) {
  Values values;
  values.u8 = view.read_u8();
  values.u16 = view.read_u16();
  values.i16 = view.read_i16();
  values.u32 = view.read_u32();
  values.i32 = view.read_i32();
  values.u64 = view.read_u64();
  values.i64 = view.read_i64();
  values.f64 = view.read_f64();
  return values;
}

void expect_equal(const Values& a, const Values& b) {
  EXPECT_EQ(a.u8, b.u8);
  EXPECT_EQ(a.u16, b.u16);
  EXPECT_EQ(a.i16, b.i16);
  EXPECT_EQ(a.u32, b.u32);
  EXPECT_EQ(a.i32, b.i32);
  EXPECT_EQ(a.u64, b.u64);
  EXPECT_EQ(a.i64, b.i64);
  EXPECT_EQ(a.f64, b.f64);
}

TEST(OnDisk, ReadsAsInMemoryDoesAfterSeekToFour) {
  test::TempDir dir;
  dir.write_file("f.data", kValues);
  const FileSystem files(dir.path());
  const InMemory in_memory = InMemory::open(files, "f.data");
  const OnDisk on_disk(files, "f.data");
  EXPECT_EQ(on_disk.size(), 41);

  InMemory::View memory_view(in_memory);
  memory_view.seek(4);
  const Values from_memory = read_values(memory_view);
  OnDisk::View disk_view(on_disk);
  disk_view.seek(4);
  const Values from_disk = read_values(disk_view);

  expect_equal(from_disk, from_memory);
  expect_equal(from_disk, {0x81, 0x1234, -2, 0x12345678, INT32_MIN,
                           0x0102030405060708, -2, 1.5});
  EXPECT_EQ(disk_view.position(), 41u);
}

// The bytes past the declared length are in the file but not in the data.
TEST(OnDisk, RejectsReadsAndSeeksPastTheDeclaredLength) {
  test::TempDir dir;
  dir.write_file("f.data", kValues);
  const OnDisk source(FileSystem(dir.path()), "f.data");
  OnDisk::View view(source);
  view.seek(40);
  EXPECT_THROW(view.read_u16(), FileError);
  EXPECT_EQ(view.position(), 40u);
  EXPECT_EQ(view.read_u8(), 0x3f);
  EXPECT_THROW(view.read_u8(), FileError);
  EXPECT_THROW(view.seek(42), FileError);
  EXPECT_THROW(view.seek(-1), FileError);
  EXPECT_EQ(view.position(), 41u);

  view.seek(5);
  EXPECT_EQ(view.read_u16(), 0x1234);
}

TEST(OnDisk, MovedSourceKeepsReading) {
  test::TempDir dir;
  dir.write_file("f.data", kValues);
  OnDisk first(FileSystem(dir.path()), "f.data");
  const OnDisk second(std::move(first));
  OnDisk::View view(second);
  view.seek(9);
  EXPECT_EQ(view.read_u32(), 0x12345678u);
}

// The page caches the views are tried with: none, one set of pages (so that
// pages keep being evicted) and one that holds every page of the test files.
struct CacheCase {
  const char* name;
  std::size_t capacity;  // 0: no cache
};
const CacheCase kCacheCases[] = {
    {"no cache", 0},
    {"one set", PageCache::kPageSize * PageCache::kWays},
    {"ample", std::size_t{1} << 20}};

std::shared_ptr<PageCache> cache_for(const CacheCase& c) {
  return c.capacity == 0 ? nullptr : std::make_shared<PageCache>(c.capacity);
}

// Views read at their own positions, so threads never see each other's:
// every read returns the value at its own offset, whether it comes from the
// file or from a page another thread just stored or evicted.
TEST(OnDisk, ConcurrentViewsDoNotInterleave) {
  constexpr std::uint32_t kEntries = 8192;  // 8 pages
  std::string file;
  for (std::uint32_t i = 0; i < kEntries; ++i) {
    const std::uint32_t value = i == 0 ? kEntries * 4 : i;
    for (int shift = 0; shift < 32; shift += 8)
      file.push_back(static_cast<char>(value >> shift));
  }
  test::TempDir dir;
  dir.write_file("f.data", file);
  for (const CacheCase& c : kCacheCases) {
    SCOPED_TRACE(c.name);
    const OnDisk source(FileSystem(dir.path()), "f.data", cache_for(c));
    std::vector<int> mismatches(4, 0);
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t) {
      threads.emplace_back([&source, &mismatches, t] {
        for (std::uint32_t n = 0; n < 2000; ++n) {
          const std::uint32_t entry = 1 + (n * 4099 + t * 61) % (kEntries - 1);
          OnDisk::View view(source);
          view.seek(4 * entry);
          if (view.read_u32() != entry) ++mismatches[t];
        }
      });
    }
    for (std::thread& thread : threads) thread.join();
    EXPECT_EQ(mismatches, std::vector<int>(4, 0));
  }
}

// A text is read in chunks until its terminator shows, however long it is,
// and never past the declared length.
TEST(OnDisk, ReadsTextsAcrossChunks) {
  const std::string long_text(150, 'w');
  const std::string file =
      bytes_from_hex("a2000000") + "ab" + '\0' + long_text + '\0' + "tail";
  ASSERT_EQ(file.size(), 0xa2u);
  test::TempDir dir;
  dir.write_file("f.data", file + "beyond\0");
  const OnDisk source(FileSystem(dir.path()), "f.data");
  OnDisk::View view(source);
  view.seek(4);
  EXPECT_EQ(view.read_text('\0'), "ab");
  EXPECT_EQ(view.read_text('\0'), long_text);
  EXPECT_EQ(view.position(), 158u);
  EXPECT_THROW(view.read_text('\0'), FileError);
}

// Small reads are served from a window of the file that one pread fetched,
// or that was copied from the page cache. Brute force against InMemory:
// seeded random seeks, values and texts of up to 100 bytes (longer than the
// window), around the window's and the pages' edges and the declared end.
void expect_reads_as_in_memory(std::uint32_t length,
                               std::shared_ptr<PageCache> cache) {
  const std::uint32_t kSeed = 20261211;
  SCOPED_TRACE(testing::Message() << "seed " << kSeed);
  std::mt19937 random(kSeed);
  std::string file;
  for (int shift = 0; shift < 32; shift += 8)
    file.push_back(static_cast<char>(length >> shift));
  while (file.size() < length) {
    const std::size_t text = random() % 100;
    for (std::size_t k = 0; k < text && file.size() < length; ++k) {
      file.push_back(static_cast<char>('a' + random() % 26));
    }
    if (file.size() < length) file.push_back('\0');
  }
  test::TempDir dir;
  dir.write_file("f.data", file + "beyond");
  const FileSystem files(dir.path());
  const InMemory memory = InMemory::open(files, "f.data");
  const OnDisk disk(files, "f.data", std::move(cache));

  // Reads that end exactly at a page's end or start just after it.
  for (std::size_t page_end = PageCache::kPageSize; page_end < length;
       page_end += PageCache::kPageSize) {
    for (const std::size_t from : {page_end - 3, page_end - 1, page_end}) {
      InMemory::View expected(memory);
      OnDisk::View actual(disk);
      expected.seek(from);
      actual.seek(from);
      EXPECT_EQ(actual.read_u32(), expected.read_u32()) << "at " << from;
    }
  }
  const int rounds = length < 0x1000 ? 200 : 1000;
  for (int round = 0; round < rounds; ++round) {
    InMemory::View expected(memory);
    OnDisk::View actual(disk);
    for (int step = 0; step < 20; ++step) {
      SCOPED_TRACE(testing::Message() << "round " << round << ", step " << step
                                      << " at " << expected.position());
      switch (random() % 4) {
        case 0: {
          const std::size_t to = random() % (file.size() + 1);
          expected.seek(to);
          actual.seek(to);
          break;
        }
        case 1: {
          bool threw = false;
          std::string_view text;
          try {
            text = expected.read_text('\0');
          } catch (const FileError&) {
            threw = true;
          }
          if (threw) {
            EXPECT_THROW(actual.read_text('\0'), FileError);
          } else {
            EXPECT_EQ(actual.read_text('\0'), text);
          }
          break;
        }
        default: {
          const std::size_t count = 1 + random() % 80;
          if (count > expected.remaining()) {
            EXPECT_THROW(actual.take(count), FileError);
            break;
          }
          const std::uint8_t* bytes = expected.take(count);
          const std::uint8_t* got = actual.take(count);
          EXPECT_EQ(std::string(got, got + count),
                    std::string(bytes, bytes + count));
        }
      }
      ASSERT_EQ(actual.position(), expected.position());
    }
  }
}

TEST(OnDisk, ServesEveryReadAsInMemoryDoes) {
  for (const CacheCase& c : kCacheCases) {
    SCOPED_TRACE(c.name);
    expect_reads_as_in_memory(0x300, cache_for(c));
    // Five pages and a part: more than one set holds.
    expect_reads_as_in_memory(5 * PageCache::kPageSize + 0x155, cache_for(c));
  }
}

TEST(OnDisk, NamesTheFileItCannotReadWhole) {
  test::TempDir dir;
  const FileSystem files(dir.path());
  try {
    OnDisk(files, "missing.data");
    FAIL();
  } catch (const FileError& e) {
    EXPECT_EQ(e.what(),
              FileSystem::make_file_error(dir.path() + "/missing.data"));
  }
  for (const CacheCase& c : kCacheCases) {
    SCOPED_TRACE(c.name);
    dir.write_file("f.data", kValues);
    const OnDisk source(files, "f.data", cache_for(c));
    // The file shrinks after it was opened: a read past its new end fails.
    std::filesystem::resize_file(dir.path() + "/f.data", 10);
    OnDisk::View view(source);
    view.seek(8);
    EXPECT_THROW(view.read_u32(), FileError);
  }
}

}  // namespace
}  // namespace data
}  // namespace tessera
