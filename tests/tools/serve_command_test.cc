// `tessera serve` as a program: its flags, and its stop on SIGTERM.
#include "cli/serve_command.h"

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <memory>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "cli/commands.h"
#include "gtest/gtest.h"
#include "serve/raw_connection.h"
#include "tessera/error.h"
#include "testing/fixture_data_set.h"
#include "tools/fake_engine.h"

extern char** environ;

namespace tessera {
namespace cli {
namespace {

struct Outcome {
  int status;
  std::string err;
  bool engine_built = false;
};

Outcome run(const std::vector<std::string>& args, bool engine_fails = false) {
  std::istringstream in;
  std::ostringstream out;
  std::ostringstream err;
  Outcome outcome;
  outcome.status =
      run_tool(args, Console{in, out, err},
               [&outcome, engine_fails](EngineKind kind, const std::string&) {
                 EXPECT_EQ(kind, EngineKind::kServer);
                 outcome.engine_built = true;
                 if (engine_fails)
                   FileError::raise("Missing file: version.txt");
                 return std::make_unique<test::FakeEngine>();
               });
  outcome.err = err.str();
  return outcome;
}

TEST(ServeCommand, RefusesMalformedFlagsBeforeLoadingTheEngine) {
  for (const char* listen :
       {"8080", "localhost:", ":8080", "host:65536", "host:80x", "::1:8080"}) {
    SCOPED_TRACE(listen);
    const Outcome outcome = run({"serve", "--listen", listen});
    EXPECT_EQ(outcome.status, kExitUsage);
    EXPECT_NE(outcome.err.find("--listen must be HOST:PORT"), std::string::npos)
        << outcome.err;
    EXPECT_FALSE(outcome.engine_built);
  }
  EXPECT_EQ(run({"serve", "--threads", "0"}).status, kExitUsage);
}

TEST(ServeCommand, FailsWhenTheDataCannotBeLoaded) {
  const Outcome outcome = run({"serve", "--listen", "127.0.0.1:0"}, true);
  EXPECT_EQ(outcome.status, kExitFailure);
  EXPECT_EQ(outcome.err, "tessera: Missing file: version.txt\n");
}

// The program, started with its standard output on a pipe.
class ServeProcess {
 public:
  ServeProcess() {
    int fds[2];
    if (::pipe(fds) != 0) throw std::runtime_error("pipe");
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, fds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, fds[0]);
    const std::string data = test::fixture_data_dir();
    std::vector<std::string> args = {
        TESSERA_CLI_PROGRAM, "--data",    data, "serve", "--listen",
        "127.0.0.1:0",       "--threads", "2",  "--web", "/nonexistent"};
    std::vector<char*> argv;
    for (std::string& a : args) argv.push_back(&a[0]);
    argv.push_back(nullptr);
    const int spawned =
        posix_spawn(&pid_, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    ::close(fds[1]);
    out_ = ::fdopen(fds[0], "r");
    if (spawned != 0) throw std::runtime_error("posix_spawn failed");
  }
  ~ServeProcess() {
    if (pid_ > 0) {
      ::kill(pid_, SIGKILL);
      ::waitpid(pid_, nullptr, 0);
    }
    if (out_ != nullptr) std::fclose(out_);
  }

  // The next line of standard output, without its line break; "" at the end.
  std::string line() {
    std::string text;
    for (int c = std::fgetc(out_); c != EOF && c != '\n';
         c = std::fgetc(out_)) {
      text.push_back(static_cast<char>(c));
    }
    return text;
  }

  void signal(int number) { ::kill(pid_, number); }

  // Waits for the exit; returns the status as waitpid gives it.
  int wait() {
    int status = 0;
    ::waitpid(pid_, &status, 0);
    pid_ = -1;
    return status;
  }

 private:
  pid_t pid_ = -1;
  std::FILE* out_ = nullptr;
};

TEST(ServeCommand, StopsOnSigtermAfterAnsweringTheRequestInFlight) {
  ServeProcess serve;
  EXPECT_EQ(serve.line().rfind("loaded tessera-fixture-1 in ", 0), 0u);
  const std::string listening = serve.line();
  const std::string prefix = "listening on http://127.0.0.1:";
  ASSERT_EQ(listening.rfind(prefix, 0), 0u) << listening;
  const int port = std::stoi(listening.substr(prefix.size()));

  test::RawConnection connection(port);
  ASSERT_TRUE(connection.connected());
  ASSERT_TRUE(connection.send("GET /healthz HTTP/1.1\r\nHost: x\r\n\r\n"));
  EXPECT_EQ(connection.response().rfind("HTTP/1.1 200 ", 0), 0u);
  // Half a request, then the signal, then the rest of it.
  ASSERT_TRUE(connection.send(
      "GET /v1/convert-to-coordinates?words=defais.marbra.haithi "
      "HTTP/1.1\r\n"));
  serve.signal(SIGTERM);
  EXPECT_EQ(serve.line(), "stopping");
  ASSERT_TRUE(connection.send("Host: x\r\n\r\n"));
  const std::string response = connection.response();
  EXPECT_EQ(response.rfind("HTTP/1.1 200 ", 0), 0u) << response;
  EXPECT_NE(response.find("Connection: close"), std::string::npos);
  EXPECT_NE(
      response.find("\"coordinates\":{\"lat\":0.12345,\"lng\":10.654328}"),
      std::string::npos);
  EXPECT_EQ(connection.rest(), "");

  const int status = serve.wait();
  ASSERT_TRUE(WIFEXITED(status)) << status;
  EXPECT_EQ(WEXITSTATUS(status), kExitSuccess);
  EXPECT_FALSE(test::RawConnection(port).connected());
}

}  // namespace
}  // namespace cli
}  // namespace tessera
