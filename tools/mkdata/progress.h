// Progress of a long build stage, shown on a terminal only.
#ifndef TESSERA_TOOLS_MKDATA_PROGRESS_H_
#define TESSERA_TOOLS_MKDATA_PROGRESS_H_

#include <cstdint>
#include <string>

namespace tessera {
namespace mkdata {

// Shows "<stage>: NN%" on standard error, rewritten in place as the stage
// advances, and "<stage>: done" when it ends. Prints nothing at all when
// standard error is not a terminal, so logs and tests stay quiet.
class Progress {
 public:
  // A stage of `total` steps (at least 1 is assumed).
  Progress(std::string stage, std::int64_t total);
  ~Progress();
  Progress(const Progress&) = delete;
  Progress& operator=(const Progress&) = delete;

  // Marks `steps` more steps done.
  void advance(std::int64_t steps = 1);
  // Ends the stage before the object goes; later calls do nothing.
  void finish();

 private:
  void show(const char* state);

  std::string stage_;
  std::int64_t total_;
  std::int64_t done_ = 0;
  int shown_percent_ = -1;
  bool terminal_;
  bool finished_ = false;
};

}  // namespace mkdata
}  // namespace tessera

#endif  // TESSERA_TOOLS_MKDATA_PROGRESS_H_
