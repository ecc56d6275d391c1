// Running a server as a program does: until SIGINT or SIGTERM.
#ifndef TESSERA_TOOLS_SERVE_RUN_UNTIL_SIGNAL_H_
#define TESSERA_TOOLS_SERVE_RUN_UNTIL_SIGNAL_H_

#include <ostream>

#include "serve/server.h"

namespace tessera {
namespace serve {

// Binds `server`, writes "listening on http://HOST:PORT/" to `out`, and
// serves until the process receives SIGINT or SIGTERM; then stops the
// server, writes "stopping", and returns once requests in flight are
// answered. The two signals are blocked in the calling thread and every
// thread it starts, and taken with sigtimedwait, so no handler runs; their
// mask is restored on return. Throws what Server::bind throws.
void run_until_signal(Server& server, const std::string& host,
                      std::ostream& out);

}  // namespace serve
}  // namespace tessera

#endif  // TESSERA_TOOLS_SERVE_RUN_UNTIL_SIGNAL_H_
