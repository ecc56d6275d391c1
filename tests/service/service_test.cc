// End-to-end tests of tessera-service: the built daemon runs on a socket
// of its own, over the fixture data set (or one built here), with a
// stand-in device command that records its arguments.
#include <errno.h>
#include <poll.h>
#include <signal.h>
#include <sys/inotify.h>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <sys/types.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "gmock/gmock.h"
#include "gtest/gtest.h"
#include "mkdata/data_set.h"
#include "mkdata/recipe.h"
#include "service/service_process.h"
#include "tessera/coordinates.h"
#include "tessera/engine.h"
#include "tessera/language.h"
#include "tessera/optional.h"
#include "testing/fixture_data_set.h"
#include "testing/temp_dir.h"

namespace tessera {
namespace {

using test::children_of;
using test::emulator;
using test::eventually;
using test::exited_with;
using test::file_exists;
using test::process_with_argument;
using test::read_file;
using test::ServiceClient;
using test::ServiceProcess;

// A device command that appends its arguments, one per line, to `record`.
std::string write_recording_command(const test::TempDir& dir,
                                    const std::string& name,
                                    const std::string& record) {
  const std::string path = dir.write_file(
      name, "#!/bin/sh\nprintf '%s\\n' \"$@\" >> '" + record + "'\n");
  std::filesystem::permissions(path, std::filesystem::perms::owner_all);
  return path;
}

// A request, and how the service should read it.
struct Request {
  std::string datagram;
  enum class Reading { kConversion, kIncomplete, kIgnored } reading;
  double lat, lng;
  const char* language;
  // When set, what the service must print, as known independently of the
  // engine.
  const char* printed;
};

// `message` as the service logs a message that echoes a request: on a line
// of its own, with the only control byte of these requests, the line feed,
// escaped.
std::string logged(const std::string& message) {
  std::string line;
  for (const char c : message) {
    if (c == '\n') {
      line += "\\x0a";
    } else {
      line += c;
    }
  }
  return line + "\n";
}

// What the service prints for a conversion of (lat, lng) into `language`,
// and the address it hands to the device command ("" when none).
struct Reply {
  std::string printed;
  std::string address;
};

Reply expected_reply(const Engine& engine, const Request& request,
                     const std::string& command) {
  if (request.reading == Request::Reading::kIgnored) return {"", ""};
  if (request.reading == Request::Reading::kIncomplete) {
    return {"Incomplete request.\n", ""};
  }
  try {
    const Optional<std::string> address = engine.convert_to_3wa(
        Coordinates(request.lat, request.lng), Language(request.language));
    if (!address) return {"3wa Fail.\n", ""};
    return {"Send command: " + command + " tsr \"" + *address + "\" &\n",
            *address};
  } catch (const std::runtime_error& e) {
    return {logged(e.what()), ""};
  }
}

std::string printable(const std::string& bytes) {
  std::string out;
  for (const char c : bytes) {
    if (c == '\n') {
      out += "\\n";
    } else if (c == '\t') {
      out += "\\t";
    } else if (c == '\0') {
      out += "\\0";
    } else {
      out += c;
    }
  }
  return out;
}

TEST(Service, AnswersRequestsUntilStopped) {
  using Reading = Request::Reading;
  // Exactly 32 bytes, so that nothing in the datagram ends the text.
  const std::string full = "-12.3456789012 98.76543210987 ja";
  ASSERT_EQ(full.size(), 32u);
  const Request kRequests[] = {
      {"51.520847 -0.195521 en", Reading::kConversion, 51.520847, -0.195521,
       "en", nullptr},
      // Inside an excluded area of the fixture.
      {"51.500729 -0.124625 en", Reading::kConversion, 51.500729, -0.124625,
       "en", "3wa Fail.\n"},
      {"51.520847    -0.195521   de", Reading::kConversion, 51.520847,
       -0.195521, "de", nullptr},
      {"35.6 139.7 ja extra words", Reading::kConversion, 35.6, 139.7, "ja",
       nullptr},
      {"north 10 en", Reading::kConversion, 0, 10, "en", nullptr},
      {"12.5abc -7.25,x en", Reading::kConversion, 12.5, -7.25, "en", nullptr},
      {" 40.1 -3.7\ten de", Reading::kConversion, 40.1, -3.7, "de", nullptr},
      {"51.5 -0.12 en\n", Reading::kConversion, 51.5, -0.12, "en\n", nullptr},
      {"51.5 -0.12 fr", Reading::kConversion, 51.5, -0.12, "fr",
       "Language 'fr' not available.\n"},
      {"51.5 -0.12 zu", Reading::kConversion, 51.5, -0.12, "zu",
       "Language 'zu' not available.\n"},
      {"51.5 -0.12 EN", Reading::kConversion, 51.5, -0.12, "EN", nullptr},
      {"91 0 en", Reading::kConversion, 91, 0, "en",
       "Invalid latitude: 91.000000.\n"},
      {"-1e3 0 en", Reading::kConversion, -1000, 0, "en",
       "Invalid latitude: -1000.000000.\n"},
      {full, Reading::kConversion, -12.3456789012, 98.76543210987, "ja",
       nullptr},
      // Cut to its first 32 bytes: "ja", not "japan".
      {full + "pan", Reading::kConversion, -12.3456789012, 98.76543210987, "ja",
       nullptr},
      {std::string("51.5 -0.12 en\0de", 16), Reading::kConversion, 51.5, -0.12,
       "en", nullptr},
      {"", Reading::kIgnored, 0, 0, nullptr, nullptr},
      {"   ", Reading::kIncomplete, 0, 0, nullptr, nullptr},
      {"51.5", Reading::kIncomplete, 0, 0, nullptr, nullptr},
      {"51.5 -0.12 ", Reading::kIncomplete, 0, 0, nullptr, nullptr},
      {"51.5\t-0.12\ten", Reading::kIncomplete, 0, 0, nullptr, nullptr},
      {std::string("\0 1 2 en", 8), Reading::kIncomplete, 0, 0, nullptr,
       nullptr},
      {"51.520847 -0.195521 en", Reading::kConversion, 51.520847, -0.195521,
       "en", nullptr},
  };

  test::TempDir dir;
  const std::string socket_path = dir.file_path("socket");
  const std::string record = dir.file_path("record");
  // A folder name that a shell would split, expand and run.
  const std::string command = write_recording_command(
      dir, "dev $HOME `false` \"q\" 'a' \\/record.sh", record);
  const std::string& data = test::fixture_data_dir();
  const std::unique_ptr<Engine> engine = new_device_engine(data);

  ServiceProcess service({"--foreground", "--socket", socket_path, "--data",
                          data, "--send-command", command});
  ASSERT_TRUE(eventually([&] { return file_exists(socket_path); }));

  ServiceClient client;
  std::string expected_output;
  std::string expected_record;
  bool some_address = false;
  for (const Request& request : kRequests) {
    SCOPED_TRACE(printable(request.datagram));
    const Reply reply = expected_reply(*engine, request, command);
    if (request.printed != nullptr) {
      EXPECT_EQ(reply.printed, request.printed);
    }
    some_address = some_address || !reply.address.empty();
    expected_output += reply.printed;
    ASSERT_TRUE(client.send(socket_path, request.datagram));
    ASSERT_EQ(service.read_until_size(expected_output.size()), expected_output);
    if (reply.address.empty()) continue;
    // The command runs in the background; one at a time keeps the order.
    expected_record += "tsr\n" + reply.address + "\n";
    EXPECT_TRUE(eventually(
        [&] { return read_file(record).size() >= expected_record.size(); }));
    ASSERT_EQ(read_file(record), expected_record);
  }
  EXPECT_TRUE(some_address);

  // Every finished command is reaped, with no further datagram to wake the
  // loop.
  EXPECT_TRUE(eventually([&] { return children_of(service.pid()) == 0; }));

  kill(service.pid(), SIGTERM);
  EXPECT_TRUE(exited_with(service.wait(), 0));
  EXPECT_FALSE(file_exists(socket_path));
  EXPECT_EQ(service.read_to_end(), expected_output);
  EXPECT_EQ(read_file(record), expected_record);
}

TEST(Service, LogsEachMessageOnALineWithTheSendersBytesEscaped) {
  test::TempDir dir;
  const std::string socket_path = dir.file_path("socket");
  ServiceProcess service({"--foreground", "--socket", socket_path, "--data",
                          test::fixture_data_dir()});
  ASSERT_TRUE(eventually([&] { return file_exists(socket_path); }));
  ServiceClient client;

  // Two bad requests, two lines.
  std::string expected =
      "Invalid latitude: 91.000000.\nLanguage 'fr' not available.\n";
  ASSERT_TRUE(client.send(socket_path, "91 0 en"));
  ASSERT_TRUE(client.send(socket_path, "51.5 -0.12 fr"));

  // Language tokens the engine refuses, and how the log must show them.
  const struct {
    const char* token;
    const char* shown;
  } kTokens[] = {
      // A terminal escape that would clear the screen.
      {"\x1b[2J", "\\x1b[2J"},
      // A forged line; tokens end only at a space.
      {"\nSend\tcommand:\t/bin/sh", "\\x0aSend\\x09command:\\x09/bin/sh"},
      {"\xff\x7f", "\\xff\\x7f"},
      {"\xc3\xa9", "\xc3\xa9"},  // well-formed UTF-8 stays
  };
  for (const auto& t : kTokens) {
    SCOPED_TRACE(printable(t.token));
    std::string message;
    try {
      const Language language(t.token);
    } catch (const std::runtime_error& e) {
      message = e.what();
    }
    const std::size_t at = message.find(t.token);
    ASSERT_NE(at, std::string::npos);
    expected += message.replace(at, std::strlen(t.token), t.shown) + "\n";
    ASSERT_TRUE(client.send(socket_path, std::string("0 0 ") + t.token));
  }
  EXPECT_EQ(service.read_until_size(expected.size()), expected);

  kill(service.pid(), SIGTERM);
  EXPECT_TRUE(exited_with(service.wait(), 0));
  const std::string output = service.read_to_end();
  EXPECT_EQ(output, expected);
  EXPECT_EQ(output.find('\x1b'), std::string::npos);
}

TEST(Service, DeviceCommandStartsCleanAndIsReapedWhileIdle) {
  test::TempDir dir;
  const std::string socket_path = dir.file_path("socket");
  const std::string record = dir.file_path("record");
  // Records its arguments, then becomes a program that records the signals
  // it was started with blocked and ignored.
  const std::string command = dir.write_file(
      "record.sh",
      "#!/bin/sh\nprintf '%s\\n' \"$@\" >> '" + record +
          "'\nexec grep -E '^Sig(Blk|Ign):' /proc/self/status >> '" + record +
          "'\n");
  std::filesystem::permissions(command, std::filesystem::perms::owner_all);
  const std::string& data = test::fixture_data_dir();
  const std::unique_ptr<Engine> engine = new_device_engine(data);
  const std::string address = *engine->convert_to_3wa(
      Coordinates(51.520847, -0.195521), Language("en"));

  // Started as nohup starts it, with SIGHUP ignored, which the service
  // inherits but its command must not.
  struct sigaction ignore;
  std::memset(&ignore, 0, sizeof ignore);
  ignore.sa_handler = SIG_IGN;
  struct sigaction previous;
  ASSERT_EQ(sigaction(SIGHUP, &ignore, &previous), 0);
  ServiceProcess service({"--foreground", "--socket", socket_path, "--data",
                          data, "--send-command", command});
  sigaction(SIGHUP, &previous, nullptr);
  ASSERT_TRUE(eventually([&] { return file_exists(socket_path); }));

  ServiceClient client;
  ASSERT_TRUE(client.send(socket_path, "51.520847 -0.195521 en"));
  const std::string arguments = "tsr\n" + address + "\n";
  ASSERT_TRUE(eventually([&] {
    const std::string written = read_file(record);
    return written.find("SigIgn:") != std::string::npos &&
           written.back() == '\n';
  }));
  const std::string written = read_file(record);
  EXPECT_EQ(written.substr(0, arguments.size()), arguments);
  // Under the emulator the masks are the emulator's own.
  if (emulator().empty()) {
    const std::string masks = written.substr(arguments.size());
    const std::string blocked = "SigBlk:\t0000000000000000\n";
    const std::string ignored = "SigIgn:\t";
    ASSERT_EQ(masks.substr(0, blocked.size() + ignored.size()),
              blocked + ignored);
    // Signals 1 to 31; glibc's posix_spawn leaves its own two signals, 32
    // and 33, ignored in every child.
    const unsigned long long ignored_signals =
        std::stoull(masks.substr(blocked.size() + ignored.size()), nullptr, 16);
    EXPECT_EQ(ignored_signals & 0x7FFFFFFFu, 0u);
  }

  // The command has ended; the service reaps it without a further datagram
  // to wake it.
  EXPECT_TRUE(eventually([&] { return children_of(service.pid()) == 0; }));

  kill(service.pid(), SIGTERM);
  EXPECT_TRUE(exited_with(service.wait(), 0));
}

TEST(Service, StopSignalDuringEngineLoadIsKept) {
  // The load is seen through the files it opens; a copy of the data set
  // makes sure that no other process opens them.
  test::TempDir dir;
  const std::string data = dir.file_path("data");
  std::filesystem::copy(test::fixture_data_dir(), data,
                        std::filesystem::copy_options::recursive);
  const int events = inotify_init1(IN_CLOEXEC);
  ASSERT_GE(events, 0);
  ASSERT_GE(inotify_add_watch(events, data.c_str(), IN_OPEN), 0);

  const std::string socket_path = dir.file_path("socket");
  ServiceProcess service(
      {"--foreground", "--socket", socket_path, "--data", data});
  // The first open comes from the engine load, after the handlers exist.
  pollfd opened{events, POLLIN, 0};
  const int ready = poll(&opened, 1, 20000);
  kill(service.pid(), SIGTERM);
  close(events);
  ASSERT_EQ(ready, 1);

  EXPECT_TRUE(exited_with(service.wait(), 0));
  EXPECT_FALSE(file_exists(socket_path));
  EXPECT_EQ(service.read_to_end(), "");
}

TEST(Service, AddressMustFitTheDevice) {
  test::TempDir dir;
  // Words of 21 and 22 letters make addresses of 65 to 68 bytes; the device
  // takes 67 and the terminator.
  constexpr int kWordCount = 40000;
  std::string words;
  for (int i = 0; i < kWordCount; ++i) {
    std::string word(17 + i % 2, 'w');
    for (int n = i, k = 0; k < 4; ++k, n /= 26) {
      word += static_cast<char>('a' + n % 26);
    }
    words += word + "\n";
  }
  mkdata::LanguageRecipe en;
  en.code = "en";
  en.words.kind = mkdata::WordSource::Kind::kFile;
  en.words.file = dir.write_file("words.txt", words);
  en.words.count = kWordCount;
  mkdata::Recipe recipe;
  recipe.languages = {en};
  const std::string data = dir.file_path("data");
  mkdata::build_data_set(recipe, data);
  const std::unique_ptr<Engine> engine = new_device_engine(data);

  // The first requests whose addresses are 67 and 68 bytes long.
  std::string requests[2];
  std::string addresses[2];
  for (int i = 0; i < 1000 && (requests[0].empty() || requests[1].empty());
       ++i) {
    char request[32];
    std::snprintf(request, sizeof request, "%.4f %.4f en", -50 + i * 0.1013,
                  i * 0.3571 - 170);
    char* lng_text;
    const double lat = std::strtod(request, &lng_text);
    const double lng = std::strtod(lng_text, nullptr);
    const Optional<std::string> address =
        engine->convert_to_3wa(Coordinates(lat, lng), Language("en"));
    if (!address || address->size() < 67 || address->size() > 68) continue;
    const std::size_t k = address->size() - 67;
    if (requests[k].empty()) {
      requests[k] = request;
      addresses[k] = *address;
    }
  }
  ASSERT_FALSE(requests[0].empty());
  ASSERT_FALSE(requests[1].empty());

  const std::string socket_path = dir.file_path("socket");
  const std::string record = dir.file_path("record");
  const std::string command = write_recording_command(dir, "record.sh", record);
  ServiceProcess service({"--foreground", "--socket", socket_path, "--data",
                          data, "--send-command", command});
  ASSERT_TRUE(eventually([&] { return file_exists(socket_path); }));
  ServiceClient client;
  ASSERT_TRUE(client.send(socket_path, requests[0]));
  ASSERT_TRUE(client.send(socket_path, requests[1]));
  const std::string expected = "Send command: " + command + " tsr \"" +
                               addresses[0] + "\" &\n" + "Address too long: '" +
                               addresses[1] + "'.\n";
  EXPECT_EQ(service.read_until_size(expected.size()), expected);
  EXPECT_TRUE(eventually(
      [&] { return read_file(record) == "tsr\n" + addresses[0] + "\n"; }));

  kill(service.pid(), SIGTERM);
  EXPECT_TRUE(exited_with(service.wait(), 0));
  EXPECT_EQ(service.read_to_end(), expected);
}

TEST(Service, DetachesUnlessToldToStayInTheForeground) {
  test::TempDir dir;
  const std::string record = dir.file_path("record");
  write_recording_command(dir, "record.sh", record);
  // Relative paths, which must still name the same files once the service
  // has moved to "/"; the socket's name is unique to this test.
  const std::string socket_name =
      std::filesystem::path(dir.path()).filename().string() + ".socket";
  const std::string socket_path = dir.file_path(socket_name);
  const std::string& data = test::fixture_data_dir();
  // The detached service becomes a child of this process, which can then
  // collect its exit status (the emulator does not offer that); the guard
  // stops it should the test end early.
  const bool reaper = prctl(PR_SET_CHILD_SUBREAPER, 1) == 0;
  struct Guard {
    std::string argument;
    bool reaper;
    ~Guard() {
      const pid_t pid = process_with_argument(argument);
      if (pid > 0) kill(pid, SIGKILL);
      if (!reaper) return;
      if (pid > 0) waitpid(pid, nullptr, 0);
      prctl(PR_SET_CHILD_SUBREAPER, 0);
    }
  } guard{socket_name, reaper};
  ServiceProcess service(
      {"--socket", socket_name, "--data", data, "--send-command", "record.sh"},
      /*with_stderr=*/false, dir.path());
  // The parent returns at once; the detached child serves.
  EXPECT_TRUE(exited_with(service.wait(), 0));
  ASSERT_TRUE(eventually([&] { return file_exists(socket_path); }));
  const pid_t daemon = process_with_argument(socket_name);
  ASSERT_GT(daemon, 0);

  const std::unique_ptr<Engine> engine = new_device_engine(data);
  const std::string address = *engine->convert_to_3wa(
      Coordinates(51.520847, -0.195521), Language("en"));
  ServiceClient client;
  ASSERT_TRUE(client.send(socket_path, "51.520847 -0.195521 en"));
  const std::string command =
      (std::filesystem::canonical(dir.path()) / "record.sh").string();
  const std::string expected =
      "Send command: " + command + " tsr \"" + address + "\" &\n";
  EXPECT_EQ(service.read_until_size(expected.size()), expected);
  EXPECT_TRUE(eventually(
      [&] { return read_file(record) == "tsr\n" + address + "\n"; }));

  kill(daemon, SIGTERM);
  if (reaper) {
    int status = -1;
    EXPECT_TRUE(eventually(
        [&] { return waitpid(daemon, &status, WNOHANG) == daemon; }));
    EXPECT_TRUE(exited_with(status, 0));
  } else {
    EXPECT_TRUE(
        eventually([&] { return process_with_argument(socket_name) == 0; }));
  }
  EXPECT_FALSE(file_exists(socket_path));
  EXPECT_EQ(service.read_to_end(), expected);
}

TEST(Service, CommandThatCannotStartIsReported) {
  if (!emulator().empty()) {
    GTEST_SKIP() << "under the emulator a failed start shows only in the "
                    "exit status of the child";
  }
  test::TempDir dir;
  const std::string socket_path = dir.file_path("socket");
  const std::string command = dir.file_path("missing");
  const std::string& data = test::fixture_data_dir();
  const std::unique_ptr<Engine> engine = new_device_engine(data);
  const std::string address = *engine->convert_to_3wa(
      Coordinates(51.520847, -0.195521), Language("en"));

  ServiceProcess service({"--foreground", "--socket", socket_path, "--data",
                          data, "--send-command", command});
  ASSERT_TRUE(eventually([&] { return file_exists(socket_path); }));
  ServiceClient client;
  // The second answer shows that the service goes on.
  ASSERT_TRUE(client.send(socket_path, "51.520847 -0.195521 en"));
  ASSERT_TRUE(client.send(socket_path, "51.520847 -0.195521 en"));
  const std::string answer = "Send command: " + command + " tsr \"" + address +
                             "\" &\nCould not start '" + command +
                             "': 'No such file or directory'.\n";
  EXPECT_EQ(service.read_until_size(2 * answer.size()), answer + answer);

  kill(service.pid(), SIGTERM);
  EXPECT_TRUE(exited_with(service.wait(), 0));
}

TEST(Service, LeftoverSocketFileIsNotTaken) {
  test::TempDir dir;
  const std::string socket_path = dir.file_path("socket");
  {
    // Bound and closed: a socket file with nobody behind it.
    const int fd = socket(AF_UNIX, SOCK_DGRAM, 0);
    sockaddr_un address;
    std::memset(&address, 0, sizeof address);
    address.sun_family = AF_UNIX;
    std::strcpy(address.sun_path, socket_path.c_str());
    ASSERT_EQ(
        bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address),
        0);
    close(fd);
  }

  ServiceProcess service({"--foreground", "--socket", socket_path, "--data",
                          dir.file_path("unused")});
  const std::string line =
      "Could not bind to socket: 'Address already in use'.\n";
  EXPECT_EQ(std::string(std::strerror(EADDRINUSE)), "Address already in use");
  EXPECT_EQ(service.read_to_end(), line + line + line + line);
  // A failure to start, which a supervisor must see as one.
  EXPECT_TRUE(exited_with(service.wait(), 1));
  EXPECT_TRUE(file_exists(socket_path));
}

TEST(Service, MissingDataDirectoryEndsTheService) {
  test::TempDir dir;
  const std::string socket_path = dir.file_path("socket");
  const std::string data = dir.file_path("missing");
  std::string message;
  try {
    new_device_engine(data);
  } catch (const std::runtime_error& e) {
    message = e.what();
  }
  ASSERT_FALSE(message.empty());

  ServiceProcess service(
      {"--foreground", "--socket", socket_path, "--data", data});
  // Printed as it is, several lines naming the file, ended by a line feed.
  const std::string line_end = message.back() == '\n' ? "" : "\n";
  EXPECT_EQ(service.read_to_end(), message + line_end);
  EXPECT_TRUE(exited_with(service.wait(), 1));
  EXPECT_FALSE(file_exists(socket_path));
}

TEST(Service, SocketPathMustFitTheAddress) {
  test::TempDir dir;
  // sun_path holds 108 bytes with the terminator.
  const std::string socket_path = dir.path() + "/" + std::string(120, 's');
  ServiceProcess service({"--foreground", "--socket", socket_path, "--data",
                          dir.file_path("unused")});
  EXPECT_EQ(service.read_to_end(),
            "Invalid socket path: '" + socket_path + "'.\n");
  EXPECT_TRUE(exited_with(service.wait(), 1));
}

TEST(Service, UnknownOptionIsAUsageError) {
  const std::vector<std::string> kArgs[] = {
      {"--foreground", "--bogus"},
      {"--foreground", "--socket"},
      {"--foreground", "stray"},
  };
  for (const auto& args : kArgs) {
    SCOPED_TRACE(args.back());
    ServiceProcess service(args, /*with_stderr=*/true);
    EXPECT_THAT(service.read_to_end(),
                testing::HasSubstr("usage: tessera-service [--foreground]"));
    EXPECT_TRUE(exited_with(service.wait(), 2));
  }
}

}  // namespace
}  // namespace tessera
