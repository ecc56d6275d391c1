#include "resident_memory.h"

#include <cstdio>
#include <cstring>

#if defined(__GLIBC__)
#include <malloc.h>  // malloc_trim
#endif

namespace tessera {
namespace bench {

namespace {

std::int64_t vm_rss_kib(const char* status_path) noexcept {
  std::FILE* status = std::fopen(status_path, "r");
  if (status == nullptr) return -1;
  std::int64_t kib = -1;
  char line[256];
  while (std::fgets(line, sizeof line, status) != nullptr) {
    if (std::strncmp(line, "VmRSS:", 6) != 0) continue;
    long long value = 0;
    if (std::sscanf(line + 6, "%lld", &value) == 1 && value >= 0) {
      kib = static_cast<std::int64_t>(value);
    }
    break;
  }
  std::fclose(status);
  return kib;
}

}  // namespace

std::int64_t resident_memory_kib() noexcept {
  return vm_rss_kib("/proc/self/status");
}

std::int64_t resident_memory_kib(int pid) noexcept {
  char path[64];
  std::snprintf(path, sizeof path, "/proc/%d/status", pid);
  return vm_rss_kib(path);
}

void release_free_heap() noexcept {
#if defined(__GLIBC__)
  malloc_trim(0);
#endif
}

}  // namespace bench
}  // namespace tessera
