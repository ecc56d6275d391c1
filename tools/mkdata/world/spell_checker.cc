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

struct Run {
  TempFile input;
  TempFile output;
  pid_t pid = -1;
};

// Starts `program` on one check with its output going to run->output.
void start(const std::string& program, const SpellCheck& check, Run* run) {
  std::string words;
  for (const std::string& word : check.words) words += word + '\n';
  run->input.write_all(words);

  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, run->output.fd(), STDOUT_FILENO);
  std::string d = "-d";
  std::string i = "-i";
  std::string encoding = "UTF-8";
  std::string g = "-G";
  std::string dictionary = check.dictionary;
  std::string input = run->input.path();
  std::string name = program;
  char* const argv[] = {name.data(),     d.data(), dictionary.data(), i.data(),
                        encoding.data(), g.data(), input.data(),      nullptr};
  const int error = posix_spawnp(&run->pid, program.c_str(), &actions, nullptr,
                                 argv, environ);
  posix_spawn_file_actions_destroy(&actions);
  if (error != 0) {
    run->pid = -1;
    throw std::runtime_error("cannot run " + program + ": " +
                             std::strerror(error));
  }
}

// Waits for the run; returns its exit status, 128 and up for a signal.
int finish(Run* run) {
  int status = 0;
  while (waitpid(run->pid, &status, 0) == -1) {
    if (errno != EINTR) return 127;
  }
  run->pid = -1;
  return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

}  // namespace

std::vector<std::unordered_set<std::string>> spell_check(
    const std::vector<SpellCheck>& checks, const std::string& program) {
  std::vector<std::unique_ptr<Run>> runs;
  std::string failure;
  try {
    for (const SpellCheck& check : checks) {
      runs.push_back(std::make_unique<Run>());
      start(program, check, runs.back().get());
    }
  } catch (const std::runtime_error& e) {
    failure = e.what();
  }
  // Every started run is waited for, even after a failure.
  std::vector<std::unordered_set<std::string>> accepted(checks.size());
  for (std::size_t k = 0; k < runs.size(); ++k) {
    if (runs[k]->pid < 0) continue;
    const int status = finish(runs[k].get());
    if (!failure.empty()) continue;
    if (status != 0) {
      failure = program + " -d " + checks[k].dictionary + " exited with " +
                std::to_string(status);
      continue;
    }
    const std::string output = read_file(runs[k]->output.path());
    std::size_t start_of_line = 0;
    while (start_of_line < output.size()) {
      std::size_t end = output.find('\n', start_of_line);
      if (end == std::string::npos) end = output.size();
      if (end > start_of_line) {
        accepted[k].emplace(output, start_of_line, end - start_of_line);
      }
      start_of_line = end + 1;
    }
  }
  if (!failure.empty()) throw std::runtime_error(failure);
  return accepted;
}

}  // namespace mkdata
}  // namespace tessera
