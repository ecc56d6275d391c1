// Counters of the server, written in the Prometheus text format.
//
//   tessera_http_requests_total{endpoint}   requests answered
//   tessera_http_errors_total{endpoint}     of those, with status 400 or more
//   tessera_http_request_duration_seconds{endpoint}  histogram of the time
//                                           from routing to the finished
//                                           answer (reading and writing the
//                                           connection not included)
//   tessera_engine_load_seconds             time taken to load the engine
//   tessera_data_info{data_version}         always 1
//
// Thread-safe: counters are atomics, updated without locks.
#ifndef TESSERA_TOOLS_SERVE_METRICS_H_
#define TESSERA_TOOLS_SERVE_METRICS_H_

#include <array>
#include <atomic>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <string>

namespace tessera {
namespace serve {

// What a request asked for. kOther is an unknown path or a request the HTTP
// layer refused before routing (a malformed or over-long request line).
enum class Endpoint : std::size_t {
  kConvertTo3wa,
  kConvertToCoordinates,
  kAutosuggest,
  kGridSection,
  kAvailableLanguages,
  kHealthz,
  kMetrics,
  kPage,
  kOther,
};
inline constexpr std::size_t kEndpointCount = 9;

// The label of an endpoint ("convert-to-3wa", "page", "other").
const char* endpoint_label(Endpoint endpoint);

class Metrics {
 public:
  // Upper bounds of the latency buckets, in seconds; +Inf follows.
  static constexpr std::array<double, 12> kBucketSeconds = {
      0.00005, 0.0001, 0.00025, 0.0005, 0.001, 0.0025,
      0.005,   0.01,   0.025,   0.05,   0.1,   1.0};

  Metrics(double engine_load_seconds, std::string data_version);

  void record(Endpoint endpoint, int status,
              std::chrono::steady_clock::duration elapsed) noexcept;

  // The exposition text.
  std::string text() const;

 private:
  struct Counters {
    std::atomic<std::uint64_t> requests{0};
    std::atomic<std::uint64_t> errors{0};
    std::atomic<std::uint64_t> nanoseconds{0};
    // Not cumulative; summed when written.
    std::array<std::atomic<std::uint64_t>, kBucketSeconds.size() + 1> buckets{};
  };

  const double engine_load_seconds_;
  const std::string data_version_;
  std::array<Counters, kEndpointCount> counters_;
};

}  // namespace serve
}  // namespace tessera

#endif  // TESSERA_TOOLS_SERVE_METRICS_H_
