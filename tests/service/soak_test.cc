// The soak test of tessera-service: one running service takes a long
// stream of requests, valid and malformed, as fast as its socket accepts
// them, and must come out of it as it went in: still answering, having
// started the device command exactly once per valid request, with no child
// left unreaped, no memory gained, and a clean stop.
#include <errno.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/types.h>
#include <sys/un.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <iterator>
#include <map>
#include <memory>
#include <random>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "gtest/gtest.h"
#include "service/service_process.h"
#include "tessera/coordinates.h"
#include "tessera/engine.h"
#include "tessera/optional.h"
#include "testing/fixture_data_set.h"
#include "testing/temp_dir.h"

namespace tessera {
namespace {

using test::children_of;
using test::exited_with;
using test::file_exists;
using test::read_file;
using test::ServiceProcess;

constexpr int kDatagrams = 20000;
// Requests answered before the memory is first measured.
constexpr int kWarmUp = 2000;
constexpr long kMemoryGrowthBoundKb = 2048;

// AddressSanitizer holds freed blocks in its quarantine (up to 256 MB), so
// the service's resident memory grows under it without a leak; there the
// leak check at its exit stands in for the bound.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool kResidentMemoryIsMeaningful = false;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool kResidentMemoryIsMeaningful = false;
#else
constexpr bool kResidentMemoryIsMeaningful = true;
#endif
#else
constexpr bool kResidentMemoryIsMeaningful = true;
#endif
constexpr unsigned kSeed = 20261211;
// How long the service may take to catch up with what it was sent; ample
// also under an emulator.
constexpr std::chrono::seconds kCatchUp{120};

// The resident memory of process `pid` in kB, as the kernel tells it; -1
// when it cannot be read.
long resident_kb(pid_t pid) {
  std::istringstream status(
      read_file("/proc/" + std::to_string(pid) + "/status"));
  for (std::string line; std::getline(status, line);) {
    if (line.rfind("VmRSS:", 0) == 0) return std::stol(line.substr(6));
  }
  return -1;
}

std::size_t line_count(const std::string& text) {
  return static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
}

// Counts of the lines of `text`.
std::map<std::string, int> lines_counted(const std::string& text) {
  std::map<std::string, int> counts;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) ++counts[line];
  return counts;
}

// Polls `done` until it holds or kCatchUp has passed.
template <typename Predicate>
bool within_catch_up(Predicate done) {
  const auto deadline = std::chrono::steady_clock::now() + kCatchUp;
  while (!done()) {
    if (std::chrono::steady_clock::now() > deadline) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  return true;
}

// Reads all the service has printed so far.
const std::string& drain(ServiceProcess& service) {
  const std::string* output = &service.read_some();
  std::size_t before;
  do {
    before = output->size();
    output = &service.read_some();
  } while (output->size() != before);
  return *output;
}

// Sends datagrams to the service without ever blocking, so that the test
// can read the service's output while the socket is full.
class Sender {
 public:
  explicit Sender(const std::string& socket_path)
      : fd_(socket(AF_UNIX, SOCK_DGRAM | SOCK_CLOEXEC, 0)) {
    std::memset(&address_, 0, sizeof address_);
    address_.sun_family = AF_UNIX;
    std::memcpy(address_.sun_path, socket_path.data(),
                std::min(socket_path.size(), sizeof address_.sun_path - 1));
  }
  ~Sender() { close(fd_); }
  Sender(const Sender&) = delete;
  Sender& operator=(const Sender&) = delete;

  // 0 when the whole datagram went out, otherwise the error number (EAGAIN
  // while the service's queue is full).
  int try_send(const std::string& datagram) {
    const ssize_t sent =
        sendto(fd_, datagram.data(), datagram.size(), MSG_DONTWAIT,
               reinterpret_cast<const sockaddr*>(&address_), sizeof address_);
    if (sent == static_cast<ssize_t>(datagram.size())) return 0;
    return sent < 0 ? errno : EMSGSIZE;
  }

 private:
  int fd_;
  sockaddr_un address_;
};

TEST(ServiceSoak, TakesAStreamOfRequestsAndStaysSound) {
  const std::string& data = test::fixture_data_dir();
  const std::unique_ptr<Engine> engine = new_device_engine(data);

  // Requests that name a square, with the position and language they mean,
  // read independently of the service's own parser.
  const struct {
    std::string datagram;
    double lat, lng;
    const char* language;
  } kValid[] = {
      {"51.520847 -0.195521 en", 51.520847, -0.195521, "en"},
      {"51.520847 -0.195521 de", 51.520847, -0.195521, "de"},
      {"35.6 139.7 ja", 35.6, 139.7, "ja"},
      {"  -33.9   151.2 en extra words", -33.9, 151.2, "en"},
      {"12.5abc -7.25,x de", 12.5, -7.25, "de"},
      {"-12.3456789012 98.76543210987 japan and beyond", -12.3456789012,
       98.76543210987, "ja"},
  };
  std::vector<std::string> valid_addresses;
  for (const auto& v : kValid) {
    const Optional<std::string> address =
        engine->convert_to_3wa(Coordinates(v.lat, v.lng), v.language);
    ASSERT_TRUE(address) << v.datagram;
    ASSERT_LE(address->size(), 67u) << v.datagram;
    valid_addresses.push_back(*address);
  }
  // Requests that name none; all but the empty one are answered with one
  // line of log.
  const std::string kMalformed[] = {
      "",
      "   ",
      "51.5",
      "51.5 -0.12 ",
      "51.5\t-0.12\ten",
      std::string("\0 1 2 en", 8),
      "91 0 en",
      "-91 0 en",
      "51.5 -0.12 fr",
      "51.5 -0.12 EN",
      "51.5 -0.12 \x1b[2J\xff",
      "51.500729 -0.124625 en",  // an excluded square
      std::string(300, '\xff'),
      std::string(2000, ' '),
  };

  // The stream, drawn with a fixed seed: about two requests in five valid.
  std::mt19937 random(kSeed);
  std::vector<std::string> stream;
  std::vector<int> valid_index;  // -1 for a malformed request
  for (int i = 0; i < kDatagrams; ++i) {
    if (random() % 5 < 2) {
      const int v = static_cast<int>(random() % std::size(kValid));
      stream.push_back(kValid[v].datagram);
      valid_index.push_back(v);
    } else {
      stream.push_back(kMalformed[random() % std::size(kMalformed)]);
      valid_index.push_back(-1);
    }
  }

  test::TempDir dir;
  const std::string socket_path = dir.file_path("socket");
  const std::string record = dir.file_path("record");
  // The shell is the host's own, also in a cross build: it starts fast even
  // where the service runs under an emulator. One short write per call, in
  // append mode, so that commands running at once do not mix their lines.
  const std::string command = dir.write_file(
      "record.sh", "#!/bin/sh\nprintf '%s\\n' \"$2\" >> '" + record + "'\n");
  std::filesystem::permissions(command, std::filesystem::perms::owner_all);

  ServiceProcess service({"--foreground", "--socket", socket_path, "--data",
                          data, "--send-command", command});
  ASSERT_TRUE(test::eventually([&] { return file_exists(socket_path); }));
  Sender sender(socket_path);

  std::size_t lines_expected = 0;
  std::size_t starts_expected = 0;
  std::map<std::string, int> expected_record;
  // Sends stream[from, to) and waits until the service has answered all of
  // it and every command it started has finished and been reaped.
  auto send_and_settle = [&](int from, int to) {
    for (int i = from; i < to; ++i) {
      int error;
      while ((error = sender.try_send(stream[i])) == EAGAIN) {
        service.read_some();
      }
      ASSERT_EQ(error, 0) << std::strerror(error);
      if (!stream[i].empty()) ++lines_expected;
      if (valid_index[i] >= 0) {
        ++starts_expected;
        ++expected_record[valid_addresses[valid_index[i]]];
      }
    }
    ASSERT_TRUE(within_catch_up(
        [&] { return line_count(drain(service)) >= lines_expected; }))
        << line_count(drain(service)) << " of " << lines_expected;
    ASSERT_TRUE(within_catch_up(
        [&] { return line_count(read_file(record)) >= starts_expected; }))
        << line_count(read_file(record)) << " of " << starts_expected;
    ASSERT_TRUE(within_catch_up([&] { return children_of(service.pid()) == 0; }))
        << children_of(service.pid()) << " children left";
  };

  ASSERT_NO_FATAL_FAILURE(send_and_settle(0, kWarmUp));
  const long warm_kb = resident_kb(service.pid());
  ASSERT_GT(warm_kb, 0);
  ASSERT_NO_FATAL_FAILURE(send_and_settle(kWarmUp, kDatagrams));
  const long end_kb = resident_kb(service.pid());
  if (kResidentMemoryIsMeaningful) {
    EXPECT_LE(end_kb - warm_kb, kMemoryGrowthBoundKb)
        << "from " << warm_kb << " kB to " << end_kb << " kB";
  }

  // One line per answered request, and one start per valid one.
  const std::string output = drain(service);
  EXPECT_EQ(line_count(output), lines_expected);
  std::size_t send_lines = 0;
  std::istringstream lines(output);
  for (std::string line; std::getline(lines, line);) {
    send_lines += line.rfind("Send command: ", 0) == 0;
    EXPECT_EQ(line.find("Could not"), std::string::npos) << line;
  }
  EXPECT_EQ(send_lines, starts_expected);
  EXPECT_EQ(lines_counted(read_file(record)), expected_record);

  // Still running, and still answering.
  ASSERT_EQ(kill(service.pid(), 0), 0);
  ASSERT_EQ(sender.try_send(kValid[0].datagram), 0);
  ++expected_record[valid_addresses[0]];
  EXPECT_TRUE(within_catch_up(
      [&] { return lines_counted(read_file(record)) == expected_record; }));

  kill(service.pid(), SIGTERM);
  EXPECT_TRUE(exited_with(service.wait(), 0));
  EXPECT_FALSE(file_exists(socket_path));
}

}  // namespace
}  // namespace tessera
