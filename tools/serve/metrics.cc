#include "serve/metrics.h"

#include <charconv>
#include <utility>

namespace tessera {
namespace serve {
namespace {

constexpr const char* kLabels[kEndpointCount] = {"convert-to-3wa",
                                                 "convert-to-coordinates",
                                                 "autosuggest",
                                                 "grid-section",
                                                 "available-languages",
                                                 "healthz",
                                                 "metrics",
                                                 "page",
                                                 "other"};

// The shortest text that reads back as `value` ("5e-05", "0.25").
std::string number_text(double value) {
  char buffer[32];
  const std::to_chars_result result =
      std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, result.ptr);
}

// A label value, escaped as the text format requires.
std::string label_value(const std::string& value) {
  std::string escaped;
  for (const char c : value) {
    if (c == '\\' || c == '"') {
      escaped += '\\';
      escaped += c;
    } else if (c == '\n') {
      escaped += "\\n";
    } else {
      escaped += c;
    }
  }
  return escaped;
}

}  // namespace

const char* endpoint_label(Endpoint endpoint) {
  return kLabels[static_cast<std::size_t>(endpoint)];
}

Metrics::Metrics(double engine_load_seconds, std::string data_version)
    : engine_load_seconds_(engine_load_seconds),
      data_version_(std::move(data_version)) {}

void Metrics::record(Endpoint endpoint, int status,
                     std::chrono::steady_clock::duration elapsed) noexcept {
  Counters& c = counters_[static_cast<std::size_t>(endpoint)];
  c.requests.fetch_add(1, std::memory_order_relaxed);
  if (status >= 400) c.errors.fetch_add(1, std::memory_order_relaxed);
  const auto ns =
      std::chrono::duration_cast<std::chrono::nanoseconds>(elapsed).count();
  c.nanoseconds.fetch_add(ns > 0 ? static_cast<std::uint64_t>(ns) : 0,
                          std::memory_order_relaxed);
  const double seconds = static_cast<double>(ns) * 1e-9;
  std::size_t bucket = 0;
  while (bucket < kBucketSeconds.size() && seconds > kBucketSeconds[bucket]) {
    ++bucket;
  }
  c.buckets[bucket].fetch_add(1, std::memory_order_relaxed);
}

std::string Metrics::text() const {
  std::string out;
  out +=
      "# HELP tessera_http_requests_total Requests answered, by endpoint.\n"
      "# TYPE tessera_http_requests_total counter\n";
  for (std::size_t e = 0; e < kEndpointCount; ++e) {
    out +=
        "tessera_http_requests_total{endpoint=\"" + std::string(kLabels[e]) +
        "\"} " +
        std::to_string(counters_[e].requests.load(std::memory_order_relaxed)) +
        "\n";
  }
  out +=
      "# HELP tessera_http_errors_total Requests answered with a status of "
      "400 or more, by endpoint.\n"
      "# TYPE tessera_http_errors_total counter\n";
  for (std::size_t e = 0; e < kEndpointCount; ++e) {
    out += "tessera_http_errors_total{endpoint=\"" + std::string(kLabels[e]) +
           "\"} " +
           std::to_string(counters_[e].errors.load(std::memory_order_relaxed)) +
           "\n";
  }
  out +=
      "# HELP tessera_http_request_duration_seconds Time from routing a "
      "request to its finished answer.\n"
      "# TYPE tessera_http_request_duration_seconds histogram\n";
  for (std::size_t e = 0; e < kEndpointCount; ++e) {
    const Counters& c = counters_[e];
    const std::string label = "endpoint=\"" + std::string(kLabels[e]) + "\"";
    // Read the buckets first: the count written is their sum, so the
    // histogram stays consistent while requests go on.
    std::uint64_t cumulative = 0;
    for (std::size_t b = 0; b <= kBucketSeconds.size(); ++b) {
      cumulative += c.buckets[b].load(std::memory_order_relaxed);
      const std::string le =
          b < kBucketSeconds.size() ? number_text(kBucketSeconds[b]) : "+Inf";
      out += "tessera_http_request_duration_seconds_bucket{" + label +
             ",le=\"" + le + "\"} " + std::to_string(cumulative) + "\n";
    }
    out += "tessera_http_request_duration_seconds_sum{" + label + "} " +
           number_text(static_cast<double>(
                           c.nanoseconds.load(std::memory_order_relaxed)) *
                       1e-9) +
           "\n";
    out += "tessera_http_request_duration_seconds_count{" + label + "} " +
           std::to_string(cumulative) + "\n";
  }
  out +=
      "# HELP tessera_engine_load_seconds Time taken to load the engine.\n"
      "# TYPE tessera_engine_load_seconds gauge\n"
      "tessera_engine_load_seconds " +
      number_text(engine_load_seconds_) +
      "\n"
      "# HELP tessera_data_info The data set the engine serves.\n"
      "# TYPE tessera_data_info gauge\n"
      "tessera_data_info{data_version=\"" +
      label_value(data_version_) + "\"} 1\n";
  return out;
}

}  // namespace serve
}  // namespace tessera
