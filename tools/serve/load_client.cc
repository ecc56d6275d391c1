// tessera-serve-load: a load generator for `tessera serve`, bounded in
// requests and in time, that reports requests per second and latency
// percentiles per endpoint. Used by tools/serve/load-test.
//
//   tessera-serve-load --port PORT [--requests N] [--connections C]
//                      [--seconds S] [--mix mixed|convert|autosuggest]
//
// Connects to 127.0.0.1 only. Each of C threads holds one kept-alive
// connection and sends requests until N have been sent in all or S seconds
// have passed. Before the run it asks convert-to-3wa for 400 random
// positions and keeps those with an address; the requests use them.
// Autosuggest is left out of the mix (and its run refused) while the
// engine answers it with an error. Exit status 1 when any request failed
// (a status other than 200, or no answer).
#include <httplib.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <random>
#include <string>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

struct Place {
  std::string position;  // "LAT,LNG"
  std::string words;
};

struct Sample {
  const char* endpoint;
  double ms;
  bool ok;
};

std::string words_of(const std::string& body) {
  const std::string key = "{\"words\":\"";
  if (body.rfind(key, 0) != 0) return "";
  return body.substr(key.size(), body.find('"', key.size()) - key.size());
}

std::vector<Place> places(int port) {
  httplib::Client client("127.0.0.1", port);
  client.set_keep_alive(true);
  std::mt19937 random(7);
  std::uniform_real_distribution<double> lat(-60, 60), lng(-180, 180);
  std::vector<Place> found;
  for (int i = 0; i < 400; ++i) {
    char position[64];
    std::snprintf(position, sizeof position, "%.6f,%.6f", lat(random),
                  lng(random));
    const auto result =
        client.Get(std::string("/v1/convert-to-3wa?coordinates=") + position);
    if (result && result->status == 200) {
      found.push_back({position, words_of(result->body)});
    }
  }
  return found;
}

// One request of the mix: the endpoint's label and the path.
std::pair<const char*, std::string> pick(const std::string& mix,
                                         bool autosuggest, const Place& p,
                                         std::mt19937& random) {
  const std::string partial = p.words.substr(0, p.words.size() - 2);
  if (mix == "convert") {
    return {"convert-to-3wa", "/v1/convert-to-3wa?coordinates=" + p.position};
  }
  if (mix == "autosuggest") {
    return {"autosuggest",
            "/v1/autosuggest?input=" + partial + "&focus=" + p.position};
  }
  const int r = static_cast<int>(random() % 100);
  if (autosuggest && r < 15) {
    return {"autosuggest",
            "/v1/autosuggest?input=" + partial + "&focus=" + p.position};
  }
  if (r < 55) {
    return {"convert-to-3wa", "/v1/convert-to-3wa?coordinates=" + p.position};
  }
  if (r < 80) {
    return {"convert-to-coordinates",
            "/v1/convert-to-coordinates?words=" + p.words};
  }
  if (r < 90) {
    double lat = 0, lng = 0;
    std::sscanf(p.position.c_str(), "%lf,%lf", &lat, &lng);
    char box[128];
    std::snprintf(box, sizeof box, "%.6f,%.6f,%.6f,%.6f", lat, lng,
                  lat + 0.0003, lng + 0.0003);
    return {"grid-section",
            std::string("/v1/grid-section?bounding-box=") + box};
  }
  if (r < 95) return {"available-languages", "/v1/available-languages"};
  if (r < 99) return {"healthz", "/healthz"};
  return {"metrics", "/metrics"};
}

double percentile(std::vector<double>& sorted, double q) {
  if (sorted.empty()) return 0;
  const std::size_t at =
      static_cast<std::size_t>(q * (sorted.size() - 1) + 0.5);
  return sorted[at];
}

}  // namespace

int main(int argc, char** argv) {
  int port = 0;
  long requests = 100000;
  int connections = 64;
  double seconds = 120;
  std::string mix = "mixed";
  for (int i = 1; i + 1 < argc; i += 2) {
    const std::string flag = argv[i];
    const char* value = argv[i + 1];
    if (flag == "--port")
      port = std::atoi(value);
    else if (flag == "--requests")
      requests = std::atol(value);
    else if (flag == "--connections")
      connections = std::atoi(value);
    else if (flag == "--seconds")
      seconds = std::atof(value);
    else if (flag == "--mix")
      mix = value;
    else {
      std::fprintf(stderr, "tessera-serve-load: unknown flag %s\n", argv[i]);
      return 2;
    }
  }
  if (port <= 0 || requests <= 0 || connections <= 0 ||
      (mix != "mixed" && mix != "convert" && mix != "autosuggest")) {
    std::fprintf(stderr,
                 "usage: tessera-serve-load --port PORT [--requests N] "
                 "[--connections C] [--seconds S] "
                 "[--mix mixed|convert|autosuggest]\n");
    return 2;
  }

  const std::vector<Place> targets = places(port);
  if (targets.empty()) {
    std::fprintf(stderr, "tessera-serve-load: no position has an address\n");
    return 1;
  }
  bool autosuggest = false;
  {
    httplib::Client client("127.0.0.1", port);
    const auto probe =
        client.Get("/v1/autosuggest?input=" +
                   targets[0].words.substr(0, targets[0].words.size() - 2));
    autosuggest = probe && probe->status == 200;
    if (!autosuggest) {
      std::printf("autosuggest left out: %s\n",
                  probe ? probe->body.c_str() : "no answer");
      if (mix == "autosuggest") return 0;
    }
  }

  std::atomic<long> next{0};
  const Clock::time_point start = Clock::now();
  const Clock::time_point deadline =
      start + std::chrono::duration_cast<Clock::duration>(
                  std::chrono::duration<double>(seconds));
  std::vector<std::vector<Sample>> samples(connections);
  std::vector<std::thread> threads;
  for (int c = 0; c < connections; ++c) {
    threads.emplace_back([&, c] {
      httplib::Client client("127.0.0.1", port);
      client.set_keep_alive(true);
      std::mt19937 random(static_cast<unsigned>(c) + 17);
      std::vector<Sample>& mine = samples[c];
      mine.reserve(static_cast<std::size_t>(requests / connections + 16));
      while (next.fetch_add(1) < requests && Clock::now() < deadline) {
        const Place& p = targets[random() % targets.size()];
        const auto request = pick(mix, autosuggest, p, random);
        const Clock::time_point sent = Clock::now();
        const auto result = client.Get(request.second);
        const std::chrono::duration<double, std::milli> took =
            Clock::now() - sent;
        mine.push_back(
            {request.first, took.count(), result && result->status == 200});
      }
    });
  }
  for (std::thread& t : threads) t.join();
  const std::chrono::duration<double> elapsed = Clock::now() - start;

  std::map<std::string, std::vector<double>> latency;
  std::vector<double> all;
  long failed = 0;
  for (const auto& mine : samples) {
    for (const Sample& s : mine) {
      latency[s.endpoint].push_back(s.ms);
      all.push_back(s.ms);
      if (!s.ok) ++failed;
    }
  }
  std::sort(all.begin(), all.end());
  std::printf(
      "%s: %zu requests in %.2f s over %d connections: %.0f "
      "requests/s, p50 %.3f ms, p99 %.3f ms, %ld failed\n",
      mix.c_str(), all.size(), elapsed.count(), connections,
      all.size() / elapsed.count(), percentile(all, 0.5), percentile(all, 0.99),
      failed);
  for (auto& entry : latency) {
    std::sort(entry.second.begin(), entry.second.end());
    std::printf("  %-24s %8zu  p50 %.3f ms  p99 %.3f ms\n", entry.first.c_str(),
                entry.second.size(), percentile(entry.second, 0.5),
                percentile(entry.second, 0.99));
  }
  return failed == 0 ? 0 : 1;
}
