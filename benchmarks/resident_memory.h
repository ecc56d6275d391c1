// The process's resident memory, read where the kernel reports it, for the
// memory figures of the benchmarks.
#ifndef TESSERA_BENCHMARKS_RESIDENT_MEMORY_H_
#define TESSERA_BENCHMARKS_RESIDENT_MEMORY_H_

#include <cstdint>

namespace tessera {
namespace bench {

// The VmRSS line of /proc/self/status, in kibibytes; -1 when the file or the
// line cannot be read (a system without procfs). Never throws.
std::int64_t resident_memory_kib() noexcept;

// The same for the process `pid`.
std::int64_t resident_memory_kib(int pid) noexcept;

// Hands the pages of freed heap memory back to the system, so that a later
// measurement counts every page an allocation touches rather than reusing
// pages that are already resident. Does nothing where the C library offers
// no way to do it.
void release_free_heap() noexcept;

}  // namespace bench
}  // namespace tessera

#endif  // TESSERA_BENCHMARKS_RESIDENT_MEMORY_H_
