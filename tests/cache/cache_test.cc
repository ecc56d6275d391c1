#include "cache/cache.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <thread>
#include <vector>

namespace tessera {
namespace cache {
namespace {

using Value = std::shared_ptr<const int>;

Value value(int v) { return std::make_shared<const int>(v); }

std::u16string key(int i) { return u"k" + std::u16string(1, u'a' + i); }

TEST(Cache, EvictsTheLeastRecentlyUsed) {
  Cache<std::u16string, Value> cache(30);
  for (int i = 0; i < 30; ++i) cache.insert(key(i), value(i));
  EXPECT_EQ(cache.size(), 30);
  cache.insert(key(30), value(30));
  EXPECT_EQ(cache.size(), 30);
  EXPECT_EQ(cache.get(key(0)), nullptr);
  EXPECT_EQ(*cache.get(key(1)), 1);
  EXPECT_EQ(*cache.get(key(30)), 30);
}

TEST(Cache, GetProtectsAKeyFromEviction) {
  Cache<std::u16string, Value> cache(30);
  for (int i = 0; i < 30; ++i) cache.insert(key(i), value(i));
  ASSERT_NE(cache.get(key(0)), nullptr);
  cache.insert(key(30), value(30));
  EXPECT_NE(cache.get(key(0)), nullptr);
  EXPECT_EQ(cache.get(key(1)), nullptr);
}

TEST(Cache, RepeatedInsertKeepsTheOldValueAndRefreshes) {
  Cache<std::u16string, Value> cache(2);
  cache.insert(u"a", value(1));
  cache.insert(u"b", value(2));
  cache.insert(u"a", value(99));
  EXPECT_EQ(cache.size(), 2);
  cache.insert(u"c", value(3));  // evicts "b", not the refreshed "a"
  EXPECT_EQ(*cache.get(u"a"), 1);
  EXPECT_EQ(cache.get(u"b"), nullptr);
  EXPECT_EQ(*cache.get(u"c"), 3);
}

TEST(Cache, EvictedValueStaysUsable) {
  Cache<std::u16string, Value> cache(1);
  cache.insert(u"a", value(7));
  const Value held = cache.get(u"a");
  cache.insert(u"b", value(8));
  EXPECT_EQ(cache.get(u"a"), nullptr);
  EXPECT_EQ(*held, 7);
  EXPECT_EQ(held.use_count(), 1);
}

TEST(Cache, CapacityZeroKeepsNothing) {
  Cache<std::u16string, Value> cache(0);
  cache.insert(u"a", value(1));
  EXPECT_EQ(cache.size(), 0);
  EXPECT_EQ(cache.get(u"a"), nullptr);
}

TEST(Cache, ConcurrentUseKeepsItConsistent) {
  Cache<std::u16string, Value> cache(8);
  std::vector<std::thread> threads;
  std::vector<int> wrong(4, 0);
  for (int t = 0; t < 4; ++t) {
    threads.emplace_back([&, t] {
      for (int i = 0; i < 2000; ++i) {
        const int k = (i * 7 + t) % 20;
        if (Value v = cache.get(key(k))) {
          if (*v != k) ++wrong[t];
        } else {
          cache.insert(key(k), value(k));
        }
      }
    });
  }
  for (std::thread& thread : threads) thread.join();
  for (int w : wrong) EXPECT_EQ(w, 0);
  EXPECT_LE(cache.size(), 8);
}

}  // namespace
}  // namespace cache
}  // namespace tessera
