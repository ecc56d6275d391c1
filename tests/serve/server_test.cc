// The server over real connections: httplib's client, and raw sockets
// where a test needs a request the client would not send.
#include "serve/server.h"

#include <httplib.h>

#include <condition_variable>
#include <memory>
#include <mutex>
#include <set>
#include <stdexcept>
#include <string>
#include <thread>

#include "gtest/gtest.h"
#include "serve/page.h"
#include "serve/raw_connection.h"
#include "tessera/engine.h"
#include "testing/fixture_data_set.h"
#include "testing/temp_dir.h"
#include "tools/fake_engine.h"

namespace tessera {
namespace serve {
namespace {

const Engine& fixture_engine() {
  static const std::unique_ptr<Engine> engine =
      new_server_engine(test::fixture_data_dir());
  return *engine;
}

// A server on a free loopback port, serving from a thread of its own.
class RunningServer {
 public:
  explicit RunningServer(const Engine& engine, ServerOptions options = {})
      : server_(engine, 0.25, with_free_port(std::move(options))) {
    server_.bind();
    thread_ = std::thread([this] { server_.run(); });
  }
  ~RunningServer() {
    server_.stop();
    if (thread_.joinable()) thread_.join();
  }

  int port() const { return server_.port(); }
  Server& server() { return server_; }
  httplib::Client client() const {
    return httplib::Client("127.0.0.1", port());
  }
  // Waits for run() to return. Requires: stop() was called.
  void join() { thread_.join(); }

 private:
  static ServerOptions with_free_port(ServerOptions options) {
    options.host = "127.0.0.1";
    options.port = 0;
    options.threads = 4;
    return options;
  }

  Server server_;
  std::thread thread_;
};

std::string error_type(const std::string& body) {
  const std::size_t at = body.find("\"type\":\"");
  if (at == std::string::npos) return "(none)";
  return body.substr(at + 8, body.find('"', at + 8) - at - 8);
}

TEST(Server, AnswersEachEndpointOverHttp) {
  RunningServer running(fixture_engine());
  httplib::Client client = running.client();
  const struct {
    const char* path;
    int status;
    const char* content_type;
    const char* contains;
  } kCases[] = {
      {"/v1/convert-to-3wa?coordinates=0.123457,10.654321&language=de", 200,
       "application/json", "\"words\":\"hüpfär.launi.rißlon\""},
      {"/v1/convert-to-coordinates?words=defais.marbra.haithi", 200,
       "application/json",
       "\"coordinates\":{\"lat\":0.12345,\"lng\":10.654328}"},
      {"/v1/grid-section?bounding-box=0.12345,10.65432,0.1235,10.65438"
       "&format=geojson",
       200, "application/geo+json", "\"type\":\"MultiLineString\""},
      {"/v1/available-languages", 200, "application/json",
       "\"languages\":[\"de\",\"en\",\"ja\"]"},
      {"/healthz", 200, "application/json", "\"status\":\"ok\""},
      {"/metrics", 200, "text/plain; version=0.0.4; charset=utf-8",
       "tessera_engine_load_seconds 0.25\n"},
      {"/v1/convert-to-3wa?coordinates=91,0", 400, "application/json",
       "\"type\":\"InvalidArgumentError\""},
      {"/v1/convert-to-3wa?coordinates=1,2&lang=en", 400, "application/json",
       "\"type\":\"BadRequest\""},
      {"/v1/convert-to-coordinates?words=no.such.words", 404,
       "application/json", "\"type\":\"NoResult\""},
      {"/v1/convert-to-3wa/", 404, "application/json",
       "{\"error\":{\"type\":\"NotFound\",\"message\":\"No endpoint at "
       "/v1/convert-to-3wa/.\"},\"data_version\":\"tessera-fixture-1\"}"},
      {"/nowhere", 404, "application/json", "\"type\":\"NotFound\""},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.path);
    const httplib::Result result = client.Get(c.path);
    ASSERT_TRUE(result);
    EXPECT_EQ(result->status, c.status);
    EXPECT_EQ(result->get_header_value("Content-Type"), c.content_type);
    EXPECT_NE(result->body.find(c.contains), std::string::npos) << result->body;
    // Every answer says which data it comes from.
    EXPECT_EQ(result->get_header_value("X-Tessera-Data-Version"),
              "tessera-fixture-1");
    EXPECT_EQ(result->get_header_value("Access-Control-Allow-Origin"), "");
  }
}

TEST(Server, RefusesMethodsOtherThanGetAndHead) {
  RunningServer running(fixture_engine());
  httplib::Client client = running.client();
  const httplib::Result head = client.Head("/healthz");
  ASSERT_TRUE(head);
  EXPECT_EQ(head->status, 200);
  EXPECT_EQ(head->body, "");
  for (const char* method : {"POST", "PUT", "DELETE", "PATCH", "OPTIONS"}) {
    SCOPED_TRACE(method);
    httplib::Request request;
    request.method = method;
    request.path = "/v1/convert-to-3wa";
    const httplib::Result result = client.send(request);
    ASSERT_TRUE(result);
    EXPECT_EQ(result->status, 405);
    EXPECT_EQ(result->get_header_value("Allow"), "GET, HEAD");
    EXPECT_EQ(error_type(result->body), "MethodNotAllowed");
  }
  // Unknown paths are 404 whatever the method.
  const httplib::Result post = client.Post("/nowhere", "x", "text/plain");
  ASSERT_TRUE(post);
  EXPECT_EQ(post->status, 404);
}

TEST(Server, BoundsTheRequestLineAndHead) {
  RunningServer running(fixture_engine());
  {
    test::RawConnection connection(running.port());
    ASSERT_TRUE(connection.send("GET /healthz?" + std::string(9000, 'a') +
                                " HTTP/1.1\r\nHost: x\r\n\r\n"));
    const std::string response = connection.response();
    EXPECT_EQ(response.rfind("HTTP/1.1 414 ", 0), 0u) << response;
    EXPECT_NE(response.find("X-Tessera-Data-Version: tessera-fixture-1"),
              std::string::npos);
    EXPECT_EQ(error_type(response), "URITooLong");
  }
  {
    // A head past its budget is cut off, not read on for ever.
    test::RawConnection connection(running.port());
    std::string headers;
    for (int i = 0; i < 2000; ++i)
      headers += "X-Padding: " + std::string(40, 'p') + "\r\n";
    connection.send("GET /healthz HTTP/1.1\r\nHost: x\r\n" + headers + "\r\n");
    const std::string response = connection.response();
    EXPECT_TRUE(response.empty() || response.rfind("HTTP/1.1 400 ", 0) == 0)
        << response.substr(0, 200);
    connection.rest();  // returns only once the server has closed it
  }
  {
    test::RawConnection connection(running.port());
    ASSERT_TRUE(connection.send("BREW /healthz HTTP/1.1\r\nHost: x\r\n\r\n"));
    const std::string response = connection.response();
    EXPECT_EQ(response.rfind("HTTP/1.1 400 ", 0), 0u) << response;
    EXPECT_EQ(error_type(response), "BadRequest");
  }
  {
    // A body is never read: the answer closes the connection, so that the
    // body is not taken for the next request.
    test::RawConnection connection(running.port());
    ASSERT_TRUE(connection.send(
        "POST /healthz HTTP/1.1\r\nHost: x\r\nContent-Length: 38\r\n\r\n"
        "GET /healthz HTTP/1.1\r\nHost: x\r\n\r\n"));
    EXPECT_EQ(connection.response().rfind("HTTP/1.1 405 ", 0), 0u);
    EXPECT_EQ(connection.response(), "");
  }
  // None of that disturbed the server.
  const httplib::Result after = running.client().Get("/healthz");
  ASSERT_TRUE(after);
  EXPECT_EQ(after->status, 200);
}

TEST(Server, SendsCorsHeadersOnlyWhenAskedTo) {
  ServerOptions options;
  options.cors_origin = "https://maps.example";
  RunningServer running(fixture_engine(), options);
  httplib::Client client = running.client();
  const httplib::Result get = client.Get("/healthz");
  ASSERT_TRUE(get);
  EXPECT_EQ(get->get_header_value("Access-Control-Allow-Origin"),
            "https://maps.example");
  EXPECT_EQ(get->get_header_value("Vary"), "Origin");
  EXPECT_EQ(get->get_header_value("Access-Control-Expose-Headers"),
            "X-Tessera-Data-Version");
  const httplib::Result preflight = client.Options("/v1/autosuggest");
  ASSERT_TRUE(preflight);
  EXPECT_EQ(preflight->status, 204);
  EXPECT_EQ(preflight->get_header_value("Access-Control-Allow-Methods"),
            "GET, HEAD");
  EXPECT_EQ(preflight->get_header_value("Access-Control-Allow-Origin"),
            "https://maps.example");
  const httplib::Result post = client.Post("/healthz", "", "text/plain");
  ASSERT_TRUE(post);
  EXPECT_EQ(post->get_header_value("Allow"), "GET, HEAD, OPTIONS");
}

TEST(Server, CountsRequestsErrorsAndLatencyPerEndpoint) {
  RunningServer running(fixture_engine());
  httplib::Client client = running.client();
  for (const char* path : {"/v1/convert-to-3wa?coordinates=1,2",
                           "/v1/convert-to-3wa?coordinates=1,2",
                           "/v1/convert-to-3wa?coordinates=91,2", "/nowhere"}) {
    ASSERT_TRUE(client.Get(path));
  }
  const httplib::Result metrics = client.Get("/metrics");
  ASSERT_TRUE(metrics);
  const std::string& text = metrics->body;
  for (const char* line : {
           "tessera_http_requests_total{endpoint=\"convert-to-3wa\"} 3\n",
           "tessera_http_errors_total{endpoint=\"convert-to-3wa\"} 1\n",
           "tessera_http_requests_total{endpoint=\"other\"} 1\n",
           "tessera_http_errors_total{endpoint=\"other\"} 1\n",
           "tessera_http_requests_total{endpoint=\"autosuggest\"} 0\n",
           "tessera_http_request_duration_seconds_bucket{endpoint=\"convert-to-"
           "3wa\",le=\"+Inf\"} 3\n",
           "tessera_http_request_duration_seconds_count{endpoint=\"convert-to-"
           "3wa\"} 3\n",
           "# TYPE tessera_http_request_duration_seconds histogram\n",
           "tessera_engine_load_seconds 0.25\n",
           "tessera_data_info{data_version=\"tessera-fixture-1\"} 1\n",
       }) {
    EXPECT_NE(text.find(line), std::string::npos) << line;
  }
}

// The fake engine, whose available_languages waits until released, so that
// a request can be held in flight.
class HeldEngine : public test::FakeEngine {
 public:
  std::set<std::string> available_languages() const override {
    std::unique_lock<std::mutex> lock(mutex_);
    entered_ = true;
    changed_.notify_all();
    changed_.wait(lock, [this] { return released_; });
    return FakeEngine::available_languages();
  }
  void wait_until_entered() const {
    std::unique_lock<std::mutex> lock(mutex_);
    changed_.wait(lock, [this] { return entered_; });
  }
  void release() {
    std::lock_guard<std::mutex> lock(mutex_);
    released_ = true;
    changed_.notify_all();
  }

 private:
  mutable std::mutex mutex_;
  mutable std::condition_variable changed_;
  mutable bool entered_ = false;
  bool released_ = false;
};

TEST(Server, StopFinishesTheRequestInFlight) {
  HeldEngine engine;
  RunningServer running(engine);
  int status = 0;
  std::string connection;
  std::string body;
  std::thread request([&] {
    const httplib::Result result =
        running.client().Get("/v1/available-languages");
    if (!result) return;
    status = result->status;
    connection = result->get_header_value("Connection");
    body = result->body;
  });
  engine.wait_until_entered();
  running.server().stop();
  // No new connection is accepted once stopped.
  EXPECT_FALSE(test::RawConnection(running.port()).connected());
  engine.release();
  request.join();
  running.join();
  EXPECT_EQ(status, 200);
  EXPECT_EQ(connection, "close");
  EXPECT_EQ(body,
            R"({"languages":["de","en","ja"],"data_version":"fake data 1"})");
}

TEST(Server, StopAnswersARequestThatHasStartedToArrive) {
  RunningServer running(fixture_engine());
  test::RawConnection connection(running.port());
  ASSERT_TRUE(connection.send("GET /healthz HTTP/1.1\r\nHost: x\r\n\r\n"));
  EXPECT_EQ(connection.response().rfind("HTTP/1.1 200 ", 0), 0u);
  ASSERT_TRUE(connection.send("GET /healthz HTTP/1.1\r\nHost: x\r\n"));
  running.server().stop();
  ASSERT_TRUE(connection.send("\r\n"));
  const std::string response = connection.response();
  EXPECT_EQ(response.rfind("HTTP/1.1 200 ", 0), 0u) << response;
  EXPECT_NE(response.find("Connection: close"), std::string::npos);
  EXPECT_EQ(connection.response(), "");
  running.join();
}

TEST(Server, RefusesAPortAnotherServerHolds) {
  RunningServer running(fixture_engine());
  ServerOptions options;
  options.port = running.port();
  Server second(fixture_engine(), 0, options);
  EXPECT_THROW(second.bind(), std::runtime_error);
}

TEST(Server, ServesTheMapPageFromItsInstalledFolder) {
  const test::TempDir web;
  const struct {
    const char* path;
    const char* file;
    const char* content_type;
  } kFiles[] = {
      {"/", "index.html", "text/html; charset=utf-8"},
      {"/map.js", "map.js", "text/javascript; charset=utf-8"},
      {"/map.css", "map.css", "text/css; charset=utf-8"},
      {"/lib/leaflet.js", "node_modules/leaflet/dist/leaflet.js",
       "text/javascript; charset=utf-8"},
      {"/lib/leaflet.css", "node_modules/leaflet/dist/leaflet.css",
       "text/css; charset=utf-8"},
      {"/lib/images/layers.png", "node_modules/leaflet/dist/images/layers.png",
       "image/png"},
      {"/lib/images/layers-2x.png",
       "node_modules/leaflet/dist/images/layers-2x.png", "image/png"},
      {"/lib/images/marker-icon.png",
       "node_modules/leaflet/dist/images/marker-icon.png", "image/png"},
      {"/lib/images/marker-icon-2x.png",
       "node_modules/leaflet/dist/images/marker-icon-2x.png", "image/png"},
      {"/lib/images/marker-shadow.png",
       "node_modules/leaflet/dist/images/marker-shadow.png", "image/png"},
      {"/lib/topojson-client.min.js",
       "node_modules/topojson-client/dist/topojson-client.min.js",
       "text/javascript; charset=utf-8"},
      {"/outlines/countries-50m.json",
       "node_modules/world-atlas/countries-50m.json", "application/json"},
  };
  for (const auto& f : kFiles)
    web.write_file(f.file, std::string("<") + f.file + ">");

  ServerOptions options;
  options.web_dir = web.path();
  RunningServer running(fixture_engine(), options);
  httplib::Client client = running.client();
  for (const auto& f : kFiles) {
    SCOPED_TRACE(f.path);
    const httplib::Result result = client.Get(f.path);
    ASSERT_TRUE(result);
    EXPECT_EQ(result->status, 200);
    EXPECT_EQ(result->body, std::string("<") + f.file + ">");
    EXPECT_EQ(result->get_header_value("Content-Type"), f.content_type);
  }
  // Nothing else of the folder is served.
  const httplib::Result other =
      client.Get("/node_modules/leaflet/dist/leaflet.js");
  ASSERT_TRUE(other);
  EXPECT_EQ(other->status, 404);
}

TEST(Server, SaysWhenTheMapPageIsNotInstalled) {
  const test::TempDir web;
  web.write_file("index.html", "<html>");  // the libraries are missing
  ServerOptions options;
  options.web_dir = web.path();
  RunningServer running(fixture_engine(), options);
  EXPECT_FALSE(running.server().page().installed());
  for (const char* path : {"/", "/lib/leaflet.js"}) {
    const httplib::Result page = running.client().Get(path);
    ASSERT_TRUE(page);
    EXPECT_EQ(page->status, 503);
    EXPECT_EQ(error_type(page->body), "PageNotInstalled");
    EXPECT_NE(page->body.find("map.js"), std::string::npos) << page->body;
  }
  // The API works all the same.
  const httplib::Result health = running.client().Get("/healthz");
  ASSERT_TRUE(health);
  EXPECT_EQ(health->status, 200);
}

}  // namespace
}  // namespace serve
}  // namespace tessera
