// The device command: the program that hands an address to the device,
// started once per answered request.
#ifndef TESSERA_SERVICE_DEVICE_COMMAND_H_
#define TESSERA_SERVICE_DEVICE_COMMAND_H_

#include <string>

namespace tessera {
namespace service {

// Starts `command` with the arguments "tsr" and `address`, directly from an
// argument vector (no shell ever reads the address), and returns without
// waiting for it. The child inherits the environment and the standard
// streams, and starts with no signal blocked and every signal at its
// default action. Returns 0, or the error number of the failed start.
int start_device_command(const std::string& command,
                         const std::string& address);

// Collects the exit status of every child that has already ended, so that
// none stays behind as a zombie. Never blocks.
void reap_finished_children() noexcept;

}  // namespace service
}  // namespace tessera

#endif  // TESSERA_SERVICE_DEVICE_COMMAND_H_
