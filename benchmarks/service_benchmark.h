// The location service measured from outside: datagrams per second through
// a running tessera-service, beside a bare posix_spawn loop of the same
// device command.
#ifndef TESSERA_BENCHMARKS_SERVICE_BENCHMARK_H_
#define TESSERA_BENCHMARKS_SERVICE_BENCHMARK_H_

#include <string>
#include <vector>

#include "tessera/coordinates.h"

namespace tessera {
namespace bench {

// Registers "service/datagrams" and "service/bare_posix_spawn". The first
// starts tessera-service (the one built with these benchmarks) in the
// foreground on a socket of its own, with `data_dir` and /bin/true as its
// device command, and per iteration sends it a batch of requests "LAT LNG
// en" for `positions` in turn, then waits until it has printed "Send
// command" for each of them. The second starts /bin/true with the same
// arguments as many times per iteration, reaping finished children as the
// service does. Both report items_per_second, one item a datagram or a
// start. `data_dir` and `positions` must outlive the run.
void register_service_benchmarks(const std::string& data_dir,
                                 const std::vector<Coordinates>& positions);

}  // namespace bench
}  // namespace tessera

#endif  // TESSERA_BENCHMARKS_SERVICE_BENCHMARK_H_
