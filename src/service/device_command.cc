#include "service/device_command.h"

#include <signal.h>
#include <spawn.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace tessera {
namespace service {

int start_device_command(const std::string& command,
                         const std::string& address) {
  // posix_spawn takes non-const strings but never writes to them.
  std::string program = command;
  std::string tag = "tsr";
  std::string text = address;
  char* const argv[] = {program.data(), tag.data(), text.data(), nullptr};

  // The service blocks its stop signals and SIGCHLD outside its wait, and
  // may have been started with some signals ignored; the command must
  // inherit neither.
  posix_spawnattr_t attributes;
  int error = posix_spawnattr_init(&attributes);
  if (error != 0) return error;
  sigset_t no_signals;
  sigemptyset(&no_signals);
  sigset_t all_signals;
  sigfillset(&all_signals);
  error = posix_spawnattr_setsigmask(&attributes, &no_signals);
  if (error == 0) {
    error = posix_spawnattr_setsigdefault(&attributes, &all_signals);
  }
  if (error == 0) {
    error = posix_spawnattr_setflags(
        &attributes, POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);
  }
  if (error == 0) {
    pid_t child;
    error = posix_spawn(&child, program.c_str(), nullptr, &attributes, argv,
                        environ);
  }
  posix_spawnattr_destroy(&attributes);
  return error;
}

void reap_finished_children() noexcept {
  int status;
  while (waitpid(-1, &status, WNOHANG) > 0) {
  }
}

}  // namespace service
}  // namespace tessera
