#include "mkdata/progress.h"

#include <unistd.h>

#include <cstdio>
#include <utility>

namespace tessera {
namespace mkdata {

Progress::Progress(std::string stage, std::int64_t total)
    : stage_(std::move(stage)),
      total_(total > 0 ? total : 1),
      terminal_(isatty(STDERR_FILENO) == 1) {
  advance(0);
}

Progress::~Progress() { finish(); }

void Progress::finish() {
  if (finished_) return;
  finished_ = true;
  show("done\n");
}

void Progress::advance(std::int64_t steps) {
  if (finished_) return;
  done_ += steps;
  const std::int64_t clamped = done_ < total_ ? done_ : total_;
  const int percent = static_cast<int>(clamped * 100 / total_);
  if (percent == shown_percent_) return;
  shown_percent_ = percent;
  char text[8];
  std::snprintf(text, sizeof text, "%3d%%", percent);
  show(text);
}

void Progress::show(const char* state) {
  if (!terminal_) return;
  std::fprintf(stderr, "\r%s: %s", stage_.c_str(), state);
  std::fflush(stderr);
}

}  // namespace mkdata
}  // namespace tessera
