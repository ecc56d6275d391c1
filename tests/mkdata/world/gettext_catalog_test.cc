#include "mkdata/world/gettext_catalog.h"

#include <gtest/gtest.h>

#include <fstream>
#include <stdexcept>
#include <string>

#include "mkdata/world/source_files.h"
#include "mkdata/world/world_places.h"
#include "mkdata/world/world_sources.h"

namespace tessera {
namespace mkdata {
namespace {

TEST(GettextCatalog, ReadsMessagesWithoutTheHeader) {
  const GettextCatalog catalog = parse_gettext_catalog(
      test::gettext_catalog_bytes(
          {{"DE", "Deutschland"},
           {"DE.02", "Bayern"},
           {"2867714", "München"},
           {std::string("file\0files", 10), std::string("Datei\0Dateien", 13)},
           {"DE", "Allemagne"}}),
      "de.mo");
  EXPECT_EQ(catalog, (GettextCatalog{{"DE", "Deutschland"},
                                     {"DE.02", "Bayern"},
                                     {"2867714", "München"},
                                     {"file", "Datei"}}));
}

TEST(GettextCatalog, ReadsBigEndianCatalogs) {
  // The catalog of {"a": "b"} as a big-endian machine writes it: header,
  // count 1, tables at 28 and 36, the strings at 44.
  const std::string bytes(
      "\x95\x04\x12\xDE"
      "\0\0\0\0"
      "\0\0\0\x01"
      "\0\0\0\x1C"
      "\0\0\0\x24"
      "\0\0\0\0\0\0\0\0"
      "\0\0\0\x01\0\0\0\x2C"
      "\0\0\0\x01\0\0\0\x2E"
      "a\0b\0",
      48);
  EXPECT_EQ(parse_gettext_catalog(bytes, "be.mo"),
            (GettextCatalog{{"a", "b"}}));
}

TEST(GettextCatalog, RejectsEveryTruncationAndABadMagic) {
  const std::string bytes =
      test::gettext_catalog_bytes({{"DE", "Deutschland"}});
  for (std::size_t size = 0; size < bytes.size(); ++size) {
    SCOPED_TRACE(size);
    try {
      parse_gettext_catalog(bytes.substr(0, size), "cut.mo");
      ADD_FAILURE() << "no exception";
    } catch (const std::runtime_error& e) {
      EXPECT_NE(std::string(e.what()).find("cut.mo"), std::string::npos);
    }
  }
  std::string wrong = bytes;
  wrong[0] = 'x';
  EXPECT_THROW(parse_gettext_catalog(wrong, "x.mo"), std::runtime_error);
  // A count far beyond the file.
  std::string huge = bytes;
  huge[11] = '\x7F';
  EXPECT_THROW(parse_gettext_catalog(huge, "x.mo"), std::runtime_error);
  EXPECT_THROW(read_gettext_catalog("/nonexistent/geonames.mo"),
               std::runtime_error);
}

TEST(GettextCatalog, ReadsLibgeonamesNames) {
  const std::string path =
      geonames_catalog_path(debian_root(default_world_sources_dir()), "fr");
  if (!std::ifstream(path)) GTEST_SKIP() << path << " is not installed";
  const GettextCatalog french = read_gettext_catalog(path);
  EXPECT_EQ(french.at("DE"), "Allemagne");
  EXPECT_EQ(french.at("DE.02"), "Bavière");
  EXPECT_EQ(french.at("2867714"), "Munich");
  EXPECT_EQ(french.at("2643743"), "Londres");
}

}  // namespace
}  // namespace mkdata
}  // namespace tessera
