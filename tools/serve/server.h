// The HTTP server of `tessera serve`: the API of api.h, /metrics, and the
// map page of page.h, over one shared engine.
//
// HTTP/1.1 with keep-alive. Each connection is served by one of a fixed
// number of request threads at a time; connections beyond that wait their
// turn. A connection is closed after kMaxRequestsPerConnection requests or
// kIdleTimeout without one, so that waiting connections get a thread.
//
// GET (and HEAD) only: another method on a known path is answered 405 with
// an Allow header, an unknown path 404, both as JSON errors. Requests the
// HTTP layer refuses before routing (malformed request line: 400; request
// line over 8,192 bytes: 414) are answered as JSON errors too. Every answer
// carries the header X-Tessera-Data-Version; with a CORS origin set, every
// answer also carries Access-Control-Allow-Origin, and OPTIONS is answered
// as a preflight.
#ifndef TESSERA_TOOLS_SERVE_SERVER_H_
#define TESSERA_TOOLS_SERVE_SERVER_H_

#include <cstddef>
#include <memory>
#include <string>

#include "tessera/engine.h"

namespace tessera {
namespace serve {

inline constexpr std::size_t kMaxRequestsPerConnection = 100;
inline constexpr char kDataVersionHeader[] = "X-Tessera-Data-Version";

struct ServerOptions {
  std::string host = "127.0.0.1";
  int port = 8080;  // 0: any free port; port() tells which after bind()
  unsigned threads = 32;
  std::string cors_origin;  // empty: no CORS headers
  std::string web_dir;      // the installed map page (page.h); empty: none
};

class Page;

class Server {
 public:
  // Reads the map page from options.web_dir. `engine` must outlive the
  // server; `engine_load_seconds` is reported by /metrics.
  Server(const Engine& engine, double engine_load_seconds,
         ServerOptions options);
  ~Server();

  Server(const Server&) = delete;
  Server& operator=(const Server&) = delete;

  // Binds the listening socket. Throws std::runtime_error when it cannot.
  void bind();
  // The bound port. Requires: bind() returned.
  int port() const;

  // Serves until stop(). Returns once every connection is closed, each
  // request that had started to arrive having been answered (with
  // "Connection: close"). Requires: bind() returned.
  void run();

  // Stops accepting, ends idle connections, and lets run() return once
  // requests in flight are answered. Thread-safe; does not wait. A stop
  // before run() makes run() return at once.
  void stop();

  const Page& page() const;

 private:
  class Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace serve
}  // namespace tessera

#endif  // TESSERA_TOOLS_SERVE_SERVER_H_
