// tessera-service: the location daemon. It receives requests
// "LAT LNG LANGUAGE" as datagrams on a local socket and hands the three-word
// address of each position to the device command.
//
// Start-up: parse the options, detach, install the signal handlers, bind
// the socket, load the engine; then receive until a stop signal, and clean
// up. The exit status is 0 after a stop signal, 1 when the service could
// not start or had to stop for another reason, and 2 for a wrong command
// line; what went wrong is printed on stdout, one line per message.
#include <errno.h>
#include <poll.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/types.h>
#include <sys/uio.h>
#include <sys/un.h>
#include <unistd.h>

#include <csignal>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>

#include "service/device_command.h"
#include "service/log_text.h"
#include "service/options.h"
#include "service/request.h"
#include "tessera/engine.h"

namespace {

constexpr int kBindAttempts = 4;

constexpr int kExitStopped = 0;
constexpr int kExitFailure = 1;
constexpr int kExitUsage = 2;

int tsr_socket = -1;
// The file of tsr_socket once it is bound, which the service then owns and
// removes when it ends; empty before.
std::string tsr_socket_path;
// Cleared by the stop-signal handler; the loop ends when it reads false.
volatile std::sig_atomic_t run = 0;
std::unique_ptr<tessera::Engine> engine;

// Every message is flushed at once, so that a reader of a pipe sees it.
void say(const char* text) {
  std::puts(text);
  std::fflush(stdout);
}

// Prints `text` as it is, ending it with a line feed unless it has one.
void say_message(const std::string& text) {
  std::fputs(text.c_str(), stdout);
  if (text.empty() || text.back() != '\n') std::fputc('\n', stdout);
  std::fflush(stdout);
}

void tsr_sig_handler(int) { run = 0; }

// Only interrupts the wait, so that the loop reaps the finished command.
void child_ended_handler(int) {}

// The signals the loop lets in only while it waits: the stop signals and
// SIGCHLD.
sigset_t loop_signals() {
  sigset_t signals;
  sigemptyset(&signals);
  sigaddset(&signals, SIGINT);
  sigaddset(&signals, SIGQUIT);
  sigaddset(&signals, SIGTERM);
  sigaddset(&signals, SIGCHLD);
  return signals;
}

// No SA_RESTART: a signal ends a wait in progress.
bool install_signal_handlers() {
  struct sigaction action;
  std::memset(&action, 0, sizeof action);
  action.sa_handler = tsr_sig_handler;
  sigemptyset(&action.sa_mask);
  action.sa_flags = 0;
  struct sigaction child_action;
  std::memset(&child_action, 0, sizeof child_action);
  child_action.sa_handler = child_ended_handler;
  sigemptyset(&child_action.sa_mask);
  child_action.sa_flags = SA_NOCLDSTOP;
  return sigaction(SIGINT, &action, nullptr) == 0 &&
         sigaction(SIGQUIT, &action, nullptr) == 0 &&
         sigaction(SIGTERM, &action, nullptr) == 0 &&
         sigaction(SIGCHLD, &child_action, nullptr) == 0;
}

// Binds tsr_socket to `path`. An existing file at `path` is left alone, so
// a second service cannot steal the socket of a running one.
bool connect_tsr_socket(const std::string& path) {
  sockaddr_un address;
  std::memset(&address, 0, sizeof address);
  if (path.empty() || path.size() >= sizeof address.sun_path) {
    std::printf("Invalid socket path: '%s'.\n", path.c_str());
    std::fflush(stdout);
    return false;
  }
  // Close-on-exec: the device command has no business with the socket.
  tsr_socket = socket(AF_UNIX, SOCK_DGRAM | SOCK_CLOEXEC, 0);
  if (tsr_socket < 0) {
    std::printf("Could not create socket: '%s'.\n", std::strerror(errno));
    std::fflush(stdout);
    return false;
  }
  address.sun_family = AF_UNIX;
  std::memcpy(address.sun_path, path.data(), path.size());
  for (int attempt = 0; attempt < kBindAttempts; ++attempt) {
    if (bind(tsr_socket, reinterpret_cast<const sockaddr*>(&address),
             sizeof address) == 0) {
      tsr_socket_path = path;
      return true;
    }
    std::printf("Could not bind to socket: '%s'.\n", std::strerror(errno));
    std::fflush(stdout);
  }
  close(tsr_socket);
  tsr_socket = -1;
  return false;
}

// Closes the socket, and removes its file if this service bound it.
void disconnect_tsr_socket() {
  if (tsr_socket >= 0) {
    if (close(tsr_socket) != 0) say("Could not remove socket.");
    tsr_socket = -1;
  }
  if (!tsr_socket_path.empty()) {
    unlink(tsr_socket_path.c_str());
    tsr_socket_path.clear();
  }
}

// The message of a failed load names files of the data directory, not
// anything a sender chose, and is printed as it is.
bool load_engine(const std::string& data_dir) {
  try {
    engine = tessera::new_device_engine(data_dir);
    return true;
  } catch (const std::runtime_error& e) {
    say_message(e.what());
    return false;
  }
}

// Answers one request of `size` received bytes: logs what became of it
// and, when it names a square, hands the square's address to the device
// command. Returns whether the device command was started.
bool handle_message(const char* data, std::size_t size,
                    const std::string& send_command) {
  const tessera::service::Answer answer =
      tessera::service::answer_request(*engine, std::string_view(data, size));
  if (!answer.address) {
    say_message(answer.message);
    return false;
  }
  const std::string& address = *answer.address;

  // The line names the command as a shell would have run it, though no
  // shell is involved.
  const std::string command_line = send_command + " tsr \"" + address + "\" &";
  std::printf("Send command: %s\n",
              tessera::service::escape_for_log(command_line).c_str());
  std::fflush(stdout);
  const int error =
      tessera::service::start_device_command(send_command, address);
  if (error != 0) {
    std::printf("Could not start '%s': '%s'.\n", send_command.c_str(),
                std::strerror(error));
    std::fflush(stdout);
    return false;
  }
  tessera::service::reap_finished_children();
  return true;
}

// Receives and answers requests until a stop signal clears `run`, and
// reaps each device command as it ends. Returns true after a stop signal,
// false when waiting failed.
bool process_loop(const std::string& send_command) {
  char buffer[tessera::service::kRequestSize];
  iovec part;
  part.iov_base = buffer;
  part.iov_len = sizeof buffer;
  msghdr message;
  std::memset(&message, 0, sizeof message);
  message.msg_iov = &part;
  message.msg_iovlen = 1;

  // The stop signals and SIGCHLD are held back except during the wait,
  // which lets them in atomically: one that arrives just after `run` was
  // tested, or a command that ends just after the last reaping, still ends
  // the wait instead of being slept through. The wait lets them in even if
  // whoever started the service had blocked them.
  const sigset_t held = loop_signals();
  sigset_t old_mask;
  sigprocmask(SIG_BLOCK, &held, &old_mask);
  sigset_t wait_mask = old_mask;
  sigdelset(&wait_mask, SIGINT);
  sigdelset(&wait_mask, SIGQUIT);
  sigdelset(&wait_mask, SIGTERM);
  sigdelset(&wait_mask, SIGCHLD);
  pollfd request;
  request.fd = tsr_socket;
  request.events = POLLIN;
  bool stopped = true;
  while (run) {
    tessera::service::reap_finished_children();
    request.revents = 0;
    const int ready = ppoll(&request, 1, nullptr, &wait_mask);
    if (ready < 0 && errno != EINTR) {
      std::printf("Could not wait for requests: '%s'.\n", std::strerror(errno));
      std::fflush(stdout);
      stopped = false;
      break;
    }
    if (ready <= 0) continue;
    const ssize_t n = recvmsg(tsr_socket, &message, MSG_WAITALL | MSG_DONTWAIT);
    if (n > 0) {
      handle_message(buffer, static_cast<std::size_t>(n), send_command);
    }
  }
  sigprocmask(SIG_SETMASK, &old_mask, nullptr);
  tessera::service::reap_finished_children();
  return stopped;
}

}  // namespace

int main(int argc, char** argv) try {
  tessera::service::Options options;
  if (!tessera::service::parse_options(argc, argv, options)) return kExitUsage;
  if (options.help) {
    tessera::service::print_help();
    return 0;
  }

  if (!options.foreground) {
    tessera::service::make_paths_absolute(options);
    if (daemon(0, 1) != 0) {
      std::printf("Could not detach: '%s'.\n", std::strerror(errno));
      std::fflush(stdout);
      return kExitFailure;
    }
  }

  // Set before the handlers exist, so that a stop signal during the engine
  // load is still seen by the loop.
  run = 1;
  if (!install_signal_handlers()) {
    say("Could not set up signal handlers!");
    return kExitFailure;
  }
  if (!connect_tsr_socket(options.socket_path)) return kExitFailure;
  const bool stopped =
      load_engine(options.data_dir) && process_loop(options.send_command);
  disconnect_tsr_socket();
  return stopped ? kExitStopped : kExitFailure;
} catch (const std::exception& e) {
  // The socket goes first, so that nothing keeps a restarted service from
  // binding it.
  disconnect_tsr_socket();
  say_message(tessera::service::escape_for_log(e.what()));
  return kExitFailure;
} catch (...) {
  disconnect_tsr_socket();
  say("Unknown error.");
  return kExitFailure;
}
