#include "service/service_process.h"

#include <errno.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <system_error>

extern char** environ;

namespace tessera {
namespace test {

bool file_exists(const std::string& path) {
  struct stat status;
  return lstat(path.c_str(), &status) == 0;
}

std::string read_file(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

std::vector<std::string> emulator() {
  std::vector<std::string> words;
  std::istringstream in(TESSERA_TEST_EMULATOR);
  for (std::string word; in >> word;) words.push_back(word);
  return words;
}

int children_of(pid_t pid) {
  int count = 0;
  std::error_code error;
  for (const auto& entry :
       std::filesystem::directory_iterator("/proc", error)) {
    // "pid (name) state ppid ...", where the name may hold anything.
    const std::string stat = read_file(entry.path().string() + "/stat");
    const std::size_t name_end = stat.rfind(')');
    if (name_end == std::string::npos) continue;
    std::istringstream fields(stat.substr(name_end + 1));
    std::string state;
    long parent = -1;
    if (fields >> state >> parent && parent == pid) ++count;
  }
  return count;
}

pid_t process_with_argument(const std::string& word) {
  std::error_code error;
  for (const auto& entry :
       std::filesystem::directory_iterator("/proc", error)) {
    const std::string name = entry.path().filename().string();
    if (name.find_first_not_of("0123456789") != std::string::npos) continue;
    // A zombie's command line is empty.
    std::istringstream arguments(read_file(entry.path().string() + "/cmdline"));
    for (std::string argument; std::getline(arguments, argument, '\0');) {
      if (argument == word) return static_cast<pid_t>(std::stol(name));
    }
  }
  return 0;
}

bool exited_with(int status, int code) {
  return status != -1 && WIFEXITED(status) && WEXITSTATUS(status) == code;
}

ServiceProcess::ServiceProcess(const std::vector<std::string>& args,
                               bool with_stderr, const std::string& directory) {
  std::vector<std::string> words = emulator();
  words.push_back(TESSERA_SERVICE_PATH);
  words.insert(words.end(), args.begin(), args.end());
  std::vector<char*> argv;
  for (std::string& word : words) argv.push_back(word.data());
  argv.push_back(nullptr);

  // Close-on-exec, so that only the service holds the writing end.
  int pipe_ends[2];
  if (pipe2(pipe_ends, O_CLOEXEC) != 0) {
    throw std::runtime_error("cannot make a pipe for the service");
  }
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, pipe_ends[1], STDOUT_FILENO);
  if (with_stderr) {
    posix_spawn_file_actions_adddup2(&actions, pipe_ends[1], STDERR_FILENO);
  }
  if (!directory.empty()) {
    posix_spawn_file_actions_addchdir_np(&actions, directory.c_str());
  }
  const int error =
      posix_spawnp(&pid_, argv[0], &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  close(pipe_ends[1]);
  out_ = pipe_ends[0];
  if (error != 0) {
    close(out_);
    pid_ = -1;
    throw std::runtime_error(std::string("cannot start the service: ") +
                             std::strerror(error));
  }
}

ServiceProcess::~ServiceProcess() {
  if (pid_ > 0) {
    kill(pid_, SIGKILL);
    waitpid(pid_, nullptr, 0);
  }
  close(out_);
}

const std::string& ServiceProcess::read_until_size(std::size_t size) {
  const auto deadline = std::chrono::steady_clock::now() + kPatience;
  while (output_.size() < size && !ended_ &&
         std::chrono::steady_clock::now() < deadline) {
    read_some();
  }
  return output_;
}

const std::string& ServiceProcess::read_to_end() {
  return read_until_size(std::string::npos);
}

int ServiceProcess::wait() {
  int status = -1;
  const bool exited =
      eventually([&] { return waitpid(pid_, &status, WNOHANG) == pid_; });
  if (!exited) {
    kill(pid_, SIGKILL);
    waitpid(pid_, nullptr, 0);
    status = -1;
  }
  pid_ = -1;
  return status;
}

const std::string& ServiceProcess::read_some() {
  pollfd ready{out_, POLLIN, 0};
  if (poll(&ready, 1, 10) <= 0) return output_;
  char buffer[4096];
  const ssize_t n = read(out_, buffer, sizeof buffer);
  if (n > 0) {
    output_.append(buffer, static_cast<std::size_t>(n));
  } else if (n == 0 || errno != EINTR) {
    ended_ = true;
  }
  return output_;
}

ServiceClient::ServiceClient()
    : fd_(socket(AF_UNIX, SOCK_DGRAM | SOCK_CLOEXEC, 0)) {}

ServiceClient::~ServiceClient() { close(fd_); }

bool ServiceClient::send(const std::string& socket_path,
                         const std::string& datagram) {
  sockaddr_un address;
  std::memset(&address, 0, sizeof address);
  address.sun_family = AF_UNIX;
  std::memcpy(address.sun_path, socket_path.data(),
              std::min(socket_path.size(), sizeof address.sun_path - 1));
  return sendto(fd_, datagram.data(), datagram.size(), 0,
                reinterpret_cast<const sockaddr*>(&address),
                sizeof address) == static_cast<ssize_t>(datagram.size());
}

}  // namespace test
}  // namespace tessera
