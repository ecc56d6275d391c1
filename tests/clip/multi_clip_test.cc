#include "clip/multi_clip.h"

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "gtest/gtest.h"

namespace tessera {
namespace clip {
namespace {

// Keeps the positions east of a longitude, and notes in `log` that it was
// asked.
class EastOf : public Clip {
 public:
  EastOf(double lng, char name, std::string& log)
      : lng_(lng), name_(name), log_(log) {}
  bool keep(const Coordinates& position) const override {
    log_ += name_;
    return position.lng > lng_;
  }

 private:
  double lng_;
  char name_;
  std::string& log_;
};

TEST(MultiClip, AsksInOrderUntilTheFirstRefusal) {
  std::string log;
  std::vector<std::unique_ptr<const Clip>> clips;
  clips.push_back(std::make_unique<EastOf>(0, 'a', log));
  clips.push_back(std::make_unique<EastOf>(10, 'b', log));
  clips.push_back(std::make_unique<EastOf>(20, 'c', log));
  const auto clip = combined_clips(std::move(clips));
  ASSERT_NE(dynamic_cast<const MultiClip*>(clip.get()), nullptr);

  const struct {
    double lng;
    bool kept;
    const char* asked;
  } kCases[] = {{30, true, "abc"},
                {15, false, "abc"},
                {5, false, "ab"},
                {-5, false, "a"}};
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.lng);
    log.clear();
    EXPECT_EQ(clip->keep(Coordinates(0, c.lng)), c.kept);
    EXPECT_EQ(log, c.asked);
  }
}

TEST(MultiClip, NoMembersKeepEverything) {
  EXPECT_TRUE(MultiClip({}).keep(Coordinates(0, 0)));
}

}  // namespace
}  // namespace clip
}  // namespace tessera
