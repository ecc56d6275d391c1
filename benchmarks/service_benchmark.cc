#include "service_benchmark.h"

#include <errno.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "resident_memory.h"

extern char** environ;

namespace tessera {
namespace bench {
namespace {

constexpr int kBatch = 100;
constexpr char kDeviceCommand[] = "/bin/true";
// The longest the service may take to answer a batch or to start.
constexpr std::chrono::seconds kPatience{60};

std::string system_error(const std::string& what) {
  return what + ": " + std::strerror(errno);
}

// A running tessera-service with its standard output on a pipe, stopped and
// reaped by the destructor.
class RunningService {
 public:
  RunningService(const std::string& data_dir)
      : socket_path_("/tmp/tessera-bench-" + std::to_string(getpid()) +
                     ".socket") {
    unlink(socket_path_.c_str());
    int out[2];
    if (pipe2(out, O_CLOEXEC) != 0) throw std::runtime_error("pipe");
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    std::vector<std::string> args = {TESSERA_SERVICE_PATH, "--foreground",
                                     "--socket",          socket_path_,
                                     "--data",            data_dir,
                                     "--send-command",    kDeviceCommand};
    std::vector<char*> argv;
    for (std::string& arg : args) argv.push_back(&arg[0]);
    argv.push_back(nullptr);
    const int error = posix_spawn(&pid_, argv[0], &actions, nullptr,
                                  argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    output_ = out[0];
    if (error != 0) {
      close(output_);
      errno = error;
      throw std::runtime_error(system_error("cannot start tessera-service"));
    }
    client_ = socket(AF_UNIX, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    std::memset(&address_, 0, sizeof address_);
    address_.sun_family = AF_UNIX;
    std::memcpy(address_.sun_path, socket_path_.c_str(),
                socket_path_.size() + 1);
    // The socket is bound before the engine loads; a request sent then
    // waits in the socket until the engine is ready.
    const auto deadline = std::chrono::steady_clock::now() + kPatience;
    while (access(socket_path_.c_str(), F_OK) != 0) {
      if (std::chrono::steady_clock::now() > deadline) {
        stop();
        throw std::runtime_error("tessera-service did not bind its socket");
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
  }

  ~RunningService() { stop(); }

  // The service's resident memory in kibibytes, -1 when it cannot be read.
  std::int64_t resident_memory_kib() const noexcept {
    return bench::resident_memory_kib(static_cast<int>(pid_));
  }

  // Sends one request; blocks while the service's queue is full.
  void send(const std::string& request) {
    if (sendto(client_, request.data(), request.size(), 0,
               reinterpret_cast<const sockaddr*>(&address_),
               sizeof address_) < 0) {
      throw std::runtime_error(system_error("cannot send a request"));
    }
  }

  // Reads the service's output until `count` more "Send command" lines have
  // come. Throws std::runtime_error when the service says anything else or
  // falls silent for kPatience.
  void await_commands(int count) {
    while (count > 0) {
      const std::size_t end = pending_.find('\n');
      if (end == std::string::npos) {
        pollfd ready{output_, POLLIN, 0};
        const int timeout =
            static_cast<int>(std::chrono::milliseconds(kPatience).count());
        if (poll(&ready, 1, timeout) <= 0) {
          throw std::runtime_error("tessera-service fell silent");
        }
        char buffer[4096];
        const ssize_t got = read(output_, buffer, sizeof buffer);
        if (got <= 0) throw std::runtime_error("tessera-service stopped");
        pending_.append(buffer, static_cast<std::size_t>(got));
        continue;
      }
      const std::string line = pending_.substr(0, end);
      pending_.erase(0, end + 1);
      if (line.compare(0, 13, "Send command:") != 0) {
        throw std::runtime_error("tessera-service said: " + line);
      }
      --count;
    }
  }

 private:
  void stop() {
    if (pid_ > 0) {
      kill(pid_, SIGTERM);
      waitpid(pid_, nullptr, 0);
      pid_ = -1;
    }
    if (client_ >= 0) close(client_);
    if (output_ >= 0) close(output_);
    client_ = output_ = -1;
    unlink(socket_path_.c_str());
  }

  std::string socket_path_;
  pid_t pid_ = -1;
  int output_ = -1;
  int client_ = -1;
  sockaddr_un address_;
  std::string pending_;
};

std::string request_for(const Coordinates& p) {
  char text[64];
  std::snprintf(text, sizeof text, "%.6f %.6f en", p.lat, p.lng);
  return text;
}

void service_datagrams(benchmark::State& state, const std::string& data_dir,
                       const std::vector<Coordinates>& positions) {
  std::vector<std::string> requests;
  for (const Coordinates& p : positions) requests.push_back(request_for(p));
  std::int64_t loaded_kib = -1;
  std::int64_t after_kib = -1;
  try {
    RunningService service(data_dir);
    // The first answer waits for the engine to load.
    service.send(requests[0]);
    service.await_commands(1);
    loaded_kib = service.resident_memory_kib();
    std::size_t i = 0;
    for (auto _ : state) {
      for (int k = 0; k < kBatch; ++k) {
        service.send(requests[i]);
        i = i + 1 == requests.size() ? 0 : i + 1;
      }
      service.await_commands(kBatch);
    }
    after_kib = service.resident_memory_kib();
  } catch (const std::exception& e) {
    state.SkipWithError(e.what());
    return;
  }
  state.SetItemsProcessed(state.iterations() * kBatch);
  // What a device holds: the service process itself, in MB of 10^6 bytes,
  // after its first request and after the run's.
  if (loaded_kib >= 0 && after_kib >= 0) {
    constexpr double kMbPerKib = 1024.0 / 1e6;
    state.counters["rss_loaded_MB"] = static_cast<double>(loaded_kib) * kMbPerKib;
    state.counters["rss_after_MB"] = static_cast<double>(after_kib) * kMbPerKib;
  }
}

void reap_finished_children() {
  while (waitpid(-1, nullptr, WNOHANG) > 0) {
  }
}

void bare_posix_spawn(benchmark::State& state) {
  std::string command = kDeviceCommand;
  std::string first = "tsr";
  std::string address = "index.home.raft";
  char* argv[] = {&command[0], &first[0], &address[0], nullptr};
  for (auto _ : state) {
    for (int k = 0; k < kBatch; ++k) {
      pid_t pid;
      const int error =
          posix_spawn(&pid, argv[0], nullptr, nullptr, argv, environ);
      if (error != 0) {
        state.SkipWithError(std::strerror(error));
        break;
      }
      reap_finished_children();
    }
  }
  while (waitpid(-1, nullptr, 0) > 0) {
  }
  state.SetItemsProcessed(state.iterations() * kBatch);
}

}  // namespace

void register_service_benchmarks(const std::string& data_dir,
                                 const std::vector<Coordinates>& positions) {
  benchmark::RegisterBenchmark("service/bare_posix_spawn", bare_posix_spawn)
      ->Unit(benchmark::kMillisecond)
      ->UseRealTime();
  benchmark::RegisterBenchmark(
      "service/datagrams",
      [&data_dir, &positions](benchmark::State& state) {
        service_datagrams(state, data_dir, positions);
      })
      ->Unit(benchmark::kMillisecond)
      ->UseRealTime();
}

}  // namespace bench
}  // namespace tessera
