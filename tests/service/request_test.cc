#include "service/request.h"

#include <memory>
#include <string>

#include "gtest/gtest.h"
#include "tessera/coordinates.h"
#include "tessera/engine.h"
#include "testing/fixture_data_set.h"

namespace tessera {
namespace service {
namespace {

const Engine& device_engine() {
  static const std::unique_ptr<Engine> engine =
      new_device_engine(test::fixture_data_dir());
  return *engine;
}

TEST(Request, NamesTheSquareOfItsPosition) {
  const struct {
    std::string datagram;
    double lat, lng;
    const char* language;
  } kCases[] = {
      {"51.520847 -0.195521 en", 51.520847, -0.195521, "en"},
      {"  35.6   139.7 ja more words", 35.6, 139.7, "ja"},
      {"12.5abc -7.25,x de", 12.5, -7.25, "de"},
      {"north 10 en", 0, 10, "en"},
      // Only the first 32 bytes count, and a NUL ends the text.
      {"-12.3456789012 98.76543210987 japan", -12.3456789012, 98.76543210987,
       "ja"},
      {std::string("51.520847 -0.195521 en\0de", 25), 51.520847, -0.195521,
       "en"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.datagram);
    const Answer answer = answer_request(device_engine(), c.datagram);
    ASSERT_TRUE(answer.address);
    EXPECT_EQ(*answer.address,
              *device_engine().convert_to_3wa(Coordinates(c.lat, c.lng),
                                              c.language));
    EXPECT_EQ(answer.message, "");
  }
}

TEST(Request, SaysWhyItNamesNoSquare) {
  const struct {
    std::string datagram;
    const char* message;
  } kCases[] = {
      {"", "Incomplete request."},
      {"51.5 -0.12", "Incomplete request."},
      {"51.5\t-0.12\ten", "Incomplete request."},
      {std::string("\0 1 2 en", 8), "Incomplete request."},
      // Inside an excluded area of the fixture.
      {"51.500729 -0.124625 en", "3wa Fail."},
      {"91 0 en", "Invalid latitude: 91.000000."},
      {"51.5 -0.12 fr", "Language 'fr' not available."},
      // What the sender chose is shown escaped.
      {"51.5 -0.12 \x1b[2J\xff",
       "'\\x1b[2J\\xff' is not in the correct format for a ISO 639-1 "
       "language code. ISO 639-1 language codes should only contain "
       "lowercase characters. "},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.datagram);
    const Answer answer = answer_request(device_engine(), c.datagram);
    EXPECT_FALSE(answer.address);
    EXPECT_EQ(answer.message, c.message);
  }
}

}  // namespace
}  // namespace service
}  // namespace tessera
