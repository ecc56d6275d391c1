// Test harness for the location service: the built tessera-service as a
// child process with its output on a pipe, a client that sends it requests,
// and bounded waits for what a daemon does in its own time.
#ifndef TESSERA_TESTS_SERVICE_SERVICE_PROCESS_H_
#define TESSERA_TESTS_SERVICE_SERVICE_PROCESS_H_

#include <sys/types.h>

#include <chrono>
#include <cstddef>
#include <string>
#include <thread>
#include <vector>

namespace tessera {
namespace test {

// Generous, as the ARM build runs the service under an emulator.
constexpr std::chrono::seconds kPatience{20};

// Polls `done` until it holds; false when patience runs out first.
template <typename Predicate>
bool eventually(Predicate done) {
  const auto deadline = std::chrono::steady_clock::now() + kPatience;
  while (!done()) {
    if (std::chrono::steady_clock::now() > deadline) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  return true;
}

bool file_exists(const std::string& path);

// The whole file; "" when it cannot be read.
std::string read_file(const std::string& path);

// The emulator command that runs target programs, split at spaces; empty in
// a native build.
std::vector<std::string> emulator();

// The number of processes, zombies included, whose parent is `pid`.
int children_of(pid_t pid);

// A process, not a zombie, with `word` as one of its arguments; 0 when there
// is none.
pid_t process_with_argument(const std::string& word);

// Whether a wait status says the process exited with `code`.
bool exited_with(int status, int code);

// A running tessera-service, its stdout (and stderr, if asked) on a pipe.
// Killed when the object goes, unless wait() saw it exit.
class ServiceProcess {
 public:
  // Starts the service with `args`, in `directory` when one is given.
  // Throws std::runtime_error when it cannot be started.
  explicit ServiceProcess(const std::vector<std::string>& args,
                          bool with_stderr = false,
                          const std::string& directory = "");
  ~ServiceProcess();
  ServiceProcess(const ServiceProcess&) = delete;
  ServiceProcess& operator=(const ServiceProcess&) = delete;

  pid_t pid() const { return pid_; }

  // What the service printed once it has printed `size` bytes, ended its
  // output, or run out of patience.
  const std::string& read_until_size(std::size_t size);
  const std::string& read_to_end();

  // Waits for the service to exit and returns its wait status; -1 when it
  // had to be killed after patience ran out.
  int wait();

  // Reads what the service prints next, waiting at most 10 ms for it, and
  // returns all it printed so far. A service that prints much must be read
  // as it goes: it stops when the pipe is full.
  const std::string& read_some();

 private:

  pid_t pid_ = -1;
  int out_ = -1;
  bool ended_ = false;
  std::string output_;
};

// A datagram socket that sends requests to the service.
class ServiceClient {
 public:
  ServiceClient();
  ~ServiceClient();
  ServiceClient(const ServiceClient&) = delete;
  ServiceClient& operator=(const ServiceClient&) = delete;

  // Whether the whole datagram went to the socket at `socket_path`.
  bool send(const std::string& socket_path, const std::string& datagram);

 private:
  int fd_;
};

}  // namespace test
}  // namespace tessera

#endif  // TESSERA_TESTS_SERVICE_SERVICE_PROCESS_H_
