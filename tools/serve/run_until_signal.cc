#include "serve/run_until_signal.h"

#include <signal.h>
#include <time.h>

#include <atomic>
#include <cerrno>
#include <string>
#include <thread>

namespace tessera {
namespace serve {
namespace {

// Restores the signal mask of the thread when it goes out of scope.
class BlockedSignals {
 public:
  explicit BlockedSignals(const sigset_t& set) {
    pthread_sigmask(SIG_BLOCK, &set, &old_);
  }
  ~BlockedSignals() { pthread_sigmask(SIG_SETMASK, &old_, nullptr); }
  BlockedSignals(const BlockedSignals&) = delete;
  BlockedSignals& operator=(const BlockedSignals&) = delete;

 private:
  sigset_t old_;
};

std::string url_host(const std::string& host) {
  return host.find(':') != std::string::npos ? "[" + host + "]" : host;
}

}  // namespace

void run_until_signal(Server& server, const std::string& host,
                      std::ostream& out) {
  sigset_t stop_signals;
  sigemptyset(&stop_signals);
  sigaddset(&stop_signals, SIGINT);
  sigaddset(&stop_signals, SIGTERM);
  // Before any thread starts, so that all of them inherit the mask and the
  // signals wait for sigtimedwait below.
  const BlockedSignals blocked(stop_signals);

  server.bind();
  out << "listening on http://" << url_host(host) << ':' << server.port() << "/"
      << std::endl;

  std::atomic<bool> finished{false};
  std::thread serving([&server, &finished] {
    server.run();
    finished = true;
  });
  const timespec poll_interval{0, 100 * 1000 * 1000};
  while (!finished) {
    const int signal = sigtimedwait(&stop_signals, nullptr, &poll_interval);
    if (signal == SIGINT || signal == SIGTERM) {
      out << "stopping" << std::endl;
      server.stop();
      break;
    }
  }
  serving.join();
}

}  // namespace serve
}  // namespace tessera
