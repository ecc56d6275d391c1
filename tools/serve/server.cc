#include "serve/server.h"

#include <httplib.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <exception>
#include <stdexcept>
#include <utility>

#include "serve/api.h"
#include "serve/connection.h"
#include "serve/metrics.h"
#include "serve/page.h"

namespace tessera {
namespace serve {
namespace {

using Clock = std::chrono::steady_clock;
using HandlerResponse = httplib::Server::HandlerResponse;

// What routing and the connection loop tell each other about the request
// being answered. Both run on the thread that serves the connection, so
// this needs no lock.
struct Turn {
  // The loop asked the library to close after this answer, so the library
  // writes "Connection: close" itself.
  bool last = false;
  // Routing found the connection must close after the answer: the request
  // came with a body, which is never read, or the server began to stop
  // while the request arrived.
  bool close_after = false;
};
thread_local Turn turn;

// The HTTP library's server, with our connection loop in place of its own:
// it bounds each request (connection.h) and notices a stop on idle
// connections at once.
class HttpServer : public httplib::Server {
 public:
  // Closes the listening socket, whether or not the accept loop runs yet.
  void close_listener() {
    stopping_ = true;
    const socket_t sock = svr_sock_.exchange(INVALID_SOCKET);
    if (sock != INVALID_SOCKET) {
      ::shutdown(sock, SHUT_RDWR);
      ::close(sock);
    }
  }

  bool stopping() const { return stopping_; }

 private:
  bool process_and_close_socket(socket_t sock) override {
    // An answer larger than the connection gathers goes out in more than
    // one send; without this the later ones wait for the client's delayed
    // acknowledgement.
    int on = 1;
    ::setsockopt(sock, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
    Connection connection(sock);
    for (std::size_t served = 0; connection.wait_for_request(stopping_);
         ++served) {
      const bool last = stopping_ || served + 1 >= kMaxRequestsPerConnection;
      turn = Turn{last, false};
      bool closed = false;
      const bool answered = process_request(connection, last, closed, nullptr);
      // Whatever was written goes out, even when the request failed.
      const bool sent = connection.flush();
      if (!answered || !sent || closed || last || turn.close_after) break;
    }
    ::shutdown(sock, SHUT_RDWR);
    ::close(sock);
    return true;
  }

  std::atomic<bool> stopping_{false};
};

struct Route {
  const char* path;
  Endpoint endpoint;
  Answer (Api::*answer)(const Params&) const;
};

const Route kRoutes[] = {
    {"/v1/convert-to-3wa", Endpoint::kConvertTo3wa, &Api::convert_to_3wa},
    {"/v1/convert-to-coordinates", Endpoint::kConvertToCoordinates,
     &Api::convert_to_coordinates},
    {"/v1/autosuggest", Endpoint::kAutosuggest, &Api::autosuggest},
    {"/v1/grid-section", Endpoint::kGridSection, &Api::grid_section},
    {"/v1/available-languages", Endpoint::kAvailableLanguages,
     &Api::available_languages},
    {"/healthz", Endpoint::kHealthz, &Api::healthz},
    {"/metrics", Endpoint::kMetrics, nullptr},
};

}  // namespace

class Server::Impl {
 public:
  Impl(const Engine& engine, double engine_load_seconds, ServerOptions options)
      : options_(std::move(options)),
        api_(engine),
        metrics_(engine_load_seconds, api_.data_version()),
        page_(options_.web_dir) {
    const unsigned threads = options_.threads > 0 ? options_.threads : 1;
    // What the library's Keep-Alive header announces; the connection loop
    // enforces the same.
    http_.set_keep_alive_max_count(kMaxRequestsPerConnection);
    http_.set_keep_alive_timeout(kIdleTimeout.count());
    http_.set_read_timeout(kIoTimeout.count());
    http_.set_write_timeout(kIoTimeout.count());
    http_.new_task_queue = [threads] {
      return new httplib::ThreadPool(threads);
    };
    // SO_REUSEADDR only: the library's default adds SO_REUSEPORT, which
    // would let a second server share the port instead of failing.
    http_.set_socket_options([](socket_t sock) {
      int on = 1;
      ::setsockopt(sock, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
    });
    http_.set_pre_routing_handler(
        [this](const httplib::Request& request, httplib::Response& response) {
          route(request, response);
          return HandlerResponse::Handled;
        });
    http_.set_error_handler(httplib::Server::HandlerWithResponse(
        [this](const httplib::Request&, httplib::Response& response) {
          return refused(response);
        }));
  }

  ~Impl() { http_.close_listener(); }

  void bind() {
    if (options_.port == 0) {
      port_ = http_.bind_to_any_port(options_.host);
    } else if (http_.bind_to_port(options_.host, options_.port)) {
      port_ = options_.port;
    }
    if (port_ <= 0) {
      throw std::runtime_error("cannot listen on " + options_.host + ":" +
                               std::to_string(options_.port));
    }
  }

  int port() const { return port_; }

  void run() {
    if (!http_.stopping()) http_.listen_after_bind();
  }

  void stop() { http_.close_listener(); }

  const Page& page() const { return page_; }

 private:
  void route(const httplib::Request& request, httplib::Response& response) {
    const Clock::time_point start = Clock::now();
    if (request.has_header("Content-Length") ||
        request.has_header("Transfer-Encoding") || http_.stopping()) {
      turn.close_after = true;
      if (!turn.last) response.set_header("Connection", "close");
    }
    const bool read_only = request.method == "GET" || request.method == "HEAD";
    const bool preflight = request.method == "OPTIONS" && cors();
    Endpoint endpoint = Endpoint::kOther;
    Answer answer;
    const Route* found = nullptr;
    for (const Route& r : kRoutes) {
      if (request.path == r.path) found = &r;
    }
    if (found != nullptr || page_.serves(request.path)) {
      endpoint = found != nullptr ? found->endpoint : Endpoint::kPage;
      if (preflight) {
        answer.status = 204;
        response.set_header("Access-Control-Allow-Methods", kAllowed);
        response.set_header("Access-Control-Max-Age", "86400");
      } else if (!read_only) {
        answer = api_.failure(405, "MethodNotAllowed",
                              request.method + " is not allowed on " +
                                  request.path + "; use GET.");
        response.set_header("Allow", cors() ? kAllowedWithOptions : kAllowed);
      } else if (endpoint == Endpoint::kPage) {
        answer = page_file(request.path);
      } else if (endpoint == Endpoint::kMetrics) {
        answer = {200, metrics_.text(), kMetricsType};
      } else {
        try {
          answer = (api_.*(found->answer))(request.params);
        } catch (...) {
          answer = api_.failure(std::current_exception());
        }
      }
    } else {
      answer =
          api_.failure(404, "NotFound", "No endpoint at " + request.path + ".");
    }
    respond(answer, response);
    metrics_.record(endpoint, answer.status, Clock::now() - start);
  }

  Answer page_file(const std::string& path) const {
    const PageFile* file = page_.find(path);
    if (file == nullptr) {
      return api_.failure(503, "PageNotInstalled", page_.problem());
    }
    Answer answer;
    answer.body = file->body;
    answer.content_type = file->content_type;
    return answer;
  }

  // Answers a request the HTTP layer refused before routing.
  HandlerResponse refused(httplib::Response& response) {
    if (!response.body.empty()) return HandlerResponse::Unhandled;
    Answer answer;
    switch (response.status) {
      case 414:
        answer = api_.failure(414, "URITooLong",
                              "The request line is longer than 8192 bytes.");
        break;
      case 400:
        answer = api_.failure(400, "BadRequest", "The request is malformed.");
        break;
      default:
        answer = api_.failure(response.status, "HttpError",
                              "The request was refused with status " +
                                  std::to_string(response.status) + ".");
    }
    respond(answer, response);
    metrics_.record(Endpoint::kOther, answer.status, Clock::duration::zero());
    return HandlerResponse::Handled;
  }

  void respond(Answer& answer, httplib::Response& response) const {
    response.status = answer.status;
    response.set_header(kDataVersionHeader, api_.data_version());
    if (cors()) {
      response.set_header("Access-Control-Allow-Origin", options_.cors_origin);
      response.set_header("Access-Control-Expose-Headers", kDataVersionHeader);
      if (options_.cors_origin != "*") response.set_header("Vary", "Origin");
    }
    if (answer.status == 204) return;
    response.body = std::move(answer.body);
    response.set_header("Content-Type", answer.content_type);
  }

  bool cors() const { return !options_.cors_origin.empty(); }

  static constexpr char kAllowed[] = "GET, HEAD";
  static constexpr char kAllowedWithOptions[] = "GET, HEAD, OPTIONS";
  static constexpr char kMetricsType[] =
      "text/plain; version=0.0.4; charset=utf-8";

  const ServerOptions options_;
  const Api api_;
  Metrics metrics_;
  const Page page_;
  HttpServer http_;
  int port_ = 0;
};

Server::Server(const Engine& engine, double engine_load_seconds,
               ServerOptions options)
    : impl_(std::make_unique<Impl>(engine, engine_load_seconds,
                                   std::move(options))) {}

Server::~Server() = default;

void Server::bind() { impl_->bind(); }
int Server::port() const { return impl_->port(); }
void Server::run() { impl_->run(); }
void Server::stop() { impl_->stop(); }
const Page& Server::page() const { return impl_->page(); }

}  // namespace serve
}  // namespace tessera
