#include "mkdata/world/spell_checker.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>
#include <stdexcept>

#include "mkdata/json_file.h"

extern char** environ;

namespace tessera {
namespace mkdata {
namespace {

// A temporary file, removed with the object.
class TempFile {
 public:
  TempFile() {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "tessera-spell-XXXXXX")
            .string();
    fd_ = mkstemp(pattern.data());
    if (fd_ < 0) {
      throw std::runtime_error("cannot make a temporary file: " +
                               std::string(std::strerror(errno)));
    }
    path_ = pattern;
  }
  ~TempFile() {
    close(fd_);
    unlink(path_.c_str());
  }
  TempFile(const TempFile&) = delete;
  TempFile& operator=(const TempFile&) = delete;

  int fd() const { return fd_; }
  const std::string& path() const { return path_; }

  void write_all(const std::string& bytes) const {
    std::size_t done = 0;
    while (done < bytes.size()) {
      const ssize_t n = write(fd_, bytes.data() + done, bytes.size() - done);
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) {
        throw std::runtime_error("cannot write " + path_ + ": " +
                                 std::strerror(errno));
      }
      done += static_cast<std::size_t>(n);
    }
  }

 private:
  int fd_;
  std::string path_;
};

// Waits for `pid`; returns its exit status, 128 and up for a signal.
int wait_for(pid_t pid) {
  int status = 0;
  while (waitpid(pid, &status, 0) == -1) {
    if (errno != EINTR) return 127;
  }
  return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

}  // namespace

struct SpellCheckRun::Files {
  TempFile input;
  TempFile output;
};

SpellCheckRun::SpellCheckRun(const SpellCheck& check,
                             const std::string& program)
    : files_(std::make_unique<Files>()),
      command_(program + " -d " + check.dictionary) {
  std::string words;
  for (const std::string& word : check.words) words += word + '\n';
  files_->input.write_all(words);

  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, files_->output.fd(),
                                   STDOUT_FILENO);
  std::string name = program;
  std::string d = "-d";
  std::string dictionary = check.dictionary;
  std::string i = "-i";
  std::string encoding = "UTF-8";
  std::string g = "-G";
  std::string input = files_->input.path();
  char* const argv[] = {name.data(),     d.data(), dictionary.data(), i.data(),
                        encoding.data(), g.data(), input.data(),      nullptr};
  pid_t pid;
  const int error =
      posix_spawnp(&pid, program.c_str(), &actions, nullptr, argv, environ);
  posix_spawn_file_actions_destroy(&actions);
  if (error != 0) {
    throw std::runtime_error("cannot run " + program + ": " +
                             std::strerror(error));
  }
  pid_ = pid;
}

SpellCheckRun::~SpellCheckRun() {
  if (pid_ >= 0) wait_for(pid_);
}

std::unordered_set<std::string> SpellCheckRun::accepted() {
  if (pid_ < 0) throw std::runtime_error(command_ + " was already read");
  const int status = wait_for(pid_);
  pid_ = -1;
  if (status != 0) {
    throw std::runtime_error(command_ + " exited with " +
                             std::to_string(status));
  }
  std::unordered_set<std::string> words;
  const std::string output = read_file(files_->output.path());
  std::size_t start = 0;
  while (start < output.size()) {
    std::size_t end = output.find('\n', start);
    if (end == std::string::npos) end = output.size();
    if (end > start) words.emplace(output, start, end - start);
    start = end + 1;
  }
  return words;
}

std::vector<std::unordered_set<std::string>> spell_check(
    const std::vector<SpellCheck>& checks, const std::string& program) {
  std::vector<std::unique_ptr<SpellCheckRun>> runs;
  for (const SpellCheck& check : checks) {
    runs.push_back(std::make_unique<SpellCheckRun>(check, program));
  }
  std::vector<std::unordered_set<std::string>> accepted;
  for (const auto& run : runs) accepted.push_back(run->accepted());
  return accepted;
}

}  // namespace mkdata
}  // namespace tessera
