#include "resident_memory.h"

#include <cstdio>
#include <cstring>

#if defined(__GLIBC__)
#include <malloc.h>  // malloc_trim
#endif

namespace tessera {
namespace bench {

std::int64_t resident_memory_kib() noexcept {
  std::FILE* status = std::fopen("/proc/self/status", "r");
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

void release_free_heap() noexcept {
#if defined(__GLIBC__)
  malloc_trim(0);
#endif
}

}  // namespace bench
}  // namespace tessera
