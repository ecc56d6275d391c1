#include "tessera/optional.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>

#include "gtest/gtest.h"
#include "tessera/coordinates.h"
#include "tessera/error.h"

namespace tessera {
namespace {

// Counts live instances, so that a leak or a double destruction shows as a
// wrong count. Holds a heap string so that the sanitizer build sees misuse
// of a destroyed or never-built value too.
struct Tracked {
  static int live;
  std::string text;

  explicit Tracked(std::string t) : text(std::move(t)) { ++live; }
  Tracked(const Tracked& other) : text(other.text) { ++live; }
  Tracked(Tracked&& other) noexcept : text(std::move(other.text)) { ++live; }
  Tracked& operator=(const Tracked&) = default;
  Tracked& operator=(Tracked&&) = default;
  ~Tracked() { --live; }
  bool operator==(const Tracked& other) const { return text == other.text; }
};
int Tracked::live = 0;

// Long enough to live on the heap, not in a small-string buffer.
const std::string kLong(64, 'x');

Optional<std::string> found(bool hit) {
  if (!hit) return {};
  return kLong;  // implicit construction from T
}

TEST(Optional, EmptyReadsThrowBadOptionalAccess) {
  const Optional<std::string> empty;
  EXPECT_FALSE(empty.has_value());
  EXPECT_FALSE(static_cast<bool>(empty));
  EXPECT_THROW(empty.value(), bad_optional_access);
  EXPECT_THROW(*empty, bad_optional_access);
  EXPECT_THROW(empty->size(), bad_optional_access);
  EXPECT_THROW(Optional<int>().value(), bad_optional_access);
  try {
    empty.value();
  } catch (const Error& e) {
    EXPECT_STREQ(e.what(), "Bad Optional Access");
  }
  EXPECT_EQ(empty.value_or("fallback"), "fallback");
}

TEST(Optional, HoldsAValue) {
  const Optional<std::string> hit = found(true);
  ASSERT_TRUE(hit.has_value());
  EXPECT_TRUE(static_cast<bool>(hit));
  EXPECT_EQ(hit.value(), kLong);
  EXPECT_EQ(*hit, kLong);
  EXPECT_EQ(hit->size(), 64u);
  EXPECT_EQ(hit.value_or("fallback"), kLong);
  EXPECT_FALSE(found(false).has_value());

  // A T without a default constructor.
  Optional<Coordinates> position = Coordinates(51.5, -0.12);
  EXPECT_EQ(position->lat, 51.5);
  position->lng = 2.0;
  EXPECT_EQ(position.value().lng, 2.0);

  Optional<std::string> moved_from = kLong;
  const std::string taken = std::move(moved_from).value();
  EXPECT_EQ(taken, kLong);
}

TEST(Optional, ResetEmptiesAndIsIdempotent) {
  Tracked::live = 0;
  {
    Optional<Tracked> o = Tracked(kLong);
    EXPECT_EQ(Tracked::live, 1);
    o._reset();
    EXPECT_FALSE(o.has_value());
    EXPECT_EQ(Tracked::live, 0);
    o._reset();
    EXPECT_EQ(Tracked::live, 0);
  }
  EXPECT_EQ(Tracked::live, 0);
}

// Every copy and move between the two states, checking the held values and
// that exactly the engaged Optionals own a live T.
TEST(Optional, CopyAndMoveKeepOneValuePerEngagedOptional) {
  Tracked::live = 0;
  {
    const Optional<Tracked> a = Tracked("a" + kLong);
    const Optional<Tracked> empty;
    EXPECT_EQ(Tracked::live, 1);

    Optional<Tracked> copy = a;
    EXPECT_EQ(copy->text, "a" + kLong);
    EXPECT_EQ(a->text, "a" + kLong);
    EXPECT_EQ(Tracked::live, 2);

    Optional<Tracked> empty_copy = empty;
    EXPECT_FALSE(empty_copy.has_value());
    EXPECT_EQ(Tracked::live, 2);

    Optional<Tracked> moved = std::move(copy);
    EXPECT_EQ(moved->text, "a" + kLong);
    EXPECT_EQ(Tracked::live, 3);  // a moved-from T is still alive

    Optional<Tracked> target;
    target = a;  // empty <- engaged
    EXPECT_EQ(target->text, "a" + kLong);
    EXPECT_EQ(Tracked::live, 4);

    target = Optional<Tracked>(Tracked("b" + kLong));  // engaged <- engaged
    EXPECT_EQ(target->text, "b" + kLong);
    EXPECT_EQ(Tracked::live, 4);

    target = empty;  // engaged <- empty
    EXPECT_FALSE(target.has_value());
    EXPECT_EQ(Tracked::live, 3);

    target = std::move(moved);  // empty <- engaged, by move
    EXPECT_EQ(target->text, "a" + kLong);
    EXPECT_EQ(Tracked::live, 4);

    // Self-assignment keeps the value; through a reference, as clang warns
    // of a literal `target = target`.
    const Optional<Tracked>& itself = target;
    target = itself;
    EXPECT_EQ(target->text, "a" + kLong);
    EXPECT_EQ(Tracked::live, 4);

    empty_copy = std::move(target);  // empty <- engaged again
    EXPECT_EQ(empty_copy->text, "a" + kLong);
  }
  EXPECT_EQ(Tracked::live, 0);
}

TEST(Optional, Equality) {
  const Optional<std::string> empty;
  const Optional<std::string> a = std::string("a");
  const Optional<std::string> a2 = std::string("a");
  const Optional<std::string> b = std::string("b");
  const Optional<std::string> empty_string = std::string();
  EXPECT_TRUE(empty == Optional<std::string>());
  EXPECT_TRUE(a == a2);
  EXPECT_FALSE(a == b);
  EXPECT_TRUE(a != b);
  EXPECT_FALSE(empty == empty_string);
  EXPECT_FALSE(empty_string == empty);
  EXPECT_TRUE(empty != a);
}

// Room for one T, then the one-byte engaged flag.
TEST(Optional, StorageIsValueThenFlag) {
  using Payload =
      tsr_optional_details::OptionalPayload<std::uint32_t, false, false, false,
                                            false, false>;
  EXPECT_EQ(offsetof(Payload, engaged), sizeof(std::uint32_t));
  EXPECT_EQ(sizeof(Payload::engaged), 1u);
  EXPECT_EQ(sizeof(Optional<std::uint32_t>), sizeof(Payload));
}

}  // namespace
}  // namespace tessera
