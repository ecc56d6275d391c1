// A small thread-safe map that keeps the most recently used entries.
#ifndef TESSERA_CACHE_CACHE_H_
#define TESSERA_CACHE_CACHE_H_

#include <cstdint>
#include <list>
#include <mutex>
#include <unordered_map>
#include <utility>

namespace tessera {
namespace cache {

// A least-recently-used map from K to V holding at most `capacity` entries.
// A hit and a repeated insert both make the key the most recently used; an
// insert that takes the size over the capacity evicts exactly one entry, the
// least recently used. V is meant to be a shared pointer: the cache keeps
// one copy per entry, and a copy handed out stays valid after eviction.
//
// Thread-safe: every operation holds the cache's own mutex for its whole
// duration and locks nothing else. Keys need std::hash and operator==.
template <typename K, typename V>
class Cache {
 public:
  explicit Cache(std::int32_t capacity) : capacity(capacity) {}

  Cache(const Cache&) = delete;
  Cache& operator=(const Cache&) = delete;

  // A copy of the value of `key`, which becomes the most recently used, or
  // V() when the key is not cached.
  V get(const K& key) {
    std::lock_guard<std::mutex> guard(lock);
    const auto found = index.find(key);
    if (found == index.end()) return V();
    recency.splice(recency.begin(), recency, found->second.position);
    return found->second.value;
  }

  // Makes `key` the most recently used entry. A key already present keeps
  // its old value; a new one is stored with a copy of `value`, and if the
  // cache then holds more than its capacity the least recently used entry
  // is evicted.
  void insert(const K& key, const V& value) {
    std::lock_guard<std::mutex> guard(lock);
    const auto found = index.find(key);
    if (found != index.end()) {
      recency.splice(recency.begin(), recency, found->second.position);
      return;
    }
    recency.push_front(key);
    try {
      index.emplace(key, DataPair{value, recency.begin()});
    } catch (...) {
      recency.pop_front();
      throw;
    }
    if (static_cast<std::int64_t>(recency.size()) > capacity) {
      pop_lru_element();
    }
  }

  // The number of entries held.
  std::int32_t size() const {
    std::lock_guard<std::mutex> guard(lock);
    return static_cast<std::int32_t>(recency.size());
  }

 private:
  struct DataPair {
    V value;
    typename std::list<K>::iterator position;
  };

  // Requires: `lock` held and at least one entry.
  void pop_lru_element() {
    index.erase(recency.back());
    recency.pop_back();
  }

  std::list<K> recency;  // most recently used first
  std::unordered_map<K, DataPair> index;
  mutable std::mutex lock;
  std::int32_t capacity;
};

}  // namespace cache
}  // namespace tessera

#endif  // TESSERA_CACHE_CACHE_H_
