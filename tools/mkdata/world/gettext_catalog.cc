#include "mkdata/world/gettext_catalog.h"

#include <cstddef>
#include <cstdint>
#include <stdexcept>

#include "mkdata/json_file.h"

namespace tessera {
namespace mkdata {
namespace {

constexpr std::uint32_t kMagic = 0x950412DE;
constexpr std::uint32_t kSwappedMagic = 0xDE120495;
// Magic, revision, count, offset of the messages, offset of the
// translations.
constexpr std::size_t kHeaderSize = 20;
// Each table entry: the string's length (without its NUL) and offset.
constexpr std::size_t kEntrySize = 8;

class CatalogReader {
 public:
  CatalogReader(std::string_view bytes, const std::string& file)
      : bytes_(bytes), file_(file) {
    if (bytes_.size() < kHeaderSize) fail("shorter than its header");
    const std::uint32_t magic = u32(0);
    if (magic == kSwappedMagic) {
      big_endian_ = true;
    } else if (magic != kMagic) {
      fail("no gettext magic number");
    }
  }

  std::uint32_t u32(std::size_t offset) const {
    const auto byte = [this, offset](std::size_t i) {
      return std::uint32_t{static_cast<unsigned char>(bytes_[offset + i])};
    };
    if (big_endian_) {
      return byte(0) << 24 | byte(1) << 16 | byte(2) << 8 | byte(3);
    }
    return byte(0) | byte(1) << 8 | byte(2) << 16 | byte(3) << 24;
  }

  // Checks that a table of `count` entries fits at `offset`.
  void check_table(std::uint32_t offset, std::uint32_t count,
                   const char* what) const {
    if (offset > bytes_.size() ||
        count > (bytes_.size() - offset) / kEntrySize) {
      fail(std::string("the table of ") + what + " lies outside the file");
    }
  }

  // String `i` of the table at `table`, up to its first NUL (the singular
  // of a plural entry).
  std::string_view string_at(std::uint32_t table, std::uint32_t i) const {
    const std::size_t entry = table + std::size_t{i} * kEntrySize;
    const std::uint32_t length = u32(entry);
    const std::uint32_t offset = u32(entry + 4);
    if (offset > bytes_.size() || length >= bytes_.size() - offset ||
        bytes_[offset + length] != '\0') {
      fail("string " + std::to_string(i) +
           " lies outside the file or has no terminator");
    }
    const std::string_view text = bytes_.substr(offset, length);
    return text.substr(0, text.find('\0'));
  }

  [[noreturn]] void fail(const std::string& what) const {
    throw std::runtime_error(file_ + ": not a gettext catalog: " + what);
  }

 private:
  std::string_view bytes_;
  const std::string& file_;
  bool big_endian_ = false;
};

}  // namespace

GettextCatalog parse_gettext_catalog(std::string_view bytes,
                                     const std::string& file) {
  const CatalogReader reader(bytes, file);
  const std::uint32_t count = reader.u32(8);
  const std::uint32_t messages = reader.u32(12);
  const std::uint32_t translations = reader.u32(16);
  reader.check_table(messages, count, "messages");
  reader.check_table(translations, count, "translations");
  GettextCatalog catalog;
  catalog.reserve(count);
  for (std::uint32_t i = 0; i < count; ++i) {
    const std::string_view message = reader.string_at(messages, i);
    const std::string_view translation = reader.string_at(translations, i);
    if (message.empty()) continue;
    catalog.emplace(message, translation);
  }
  return catalog;
}

GettextCatalog read_gettext_catalog(const std::string& path) {
  return parse_gettext_catalog(read_file(path), path);
}

}  // namespace mkdata
}  // namespace tessera
