#include "data/byte_reader.h"

#include <cstring>

#include "data/integrity.h"

namespace tessera {
namespace data {

std::size_t checked_end(std::size_t offset, std::size_t length,
                        std::size_t size, std::string_view file,
                        const char* what) {
  if (offset > size || length > size - offset) {
    integrity_failure(file, std::string(what) + " (" + std::to_string(length) +
                                " bytes at offset " + std::to_string(offset) +
                                ") pass the end of its " +
                                std::to_string(size) + " bytes");
  }
  return offset + length;
}

std::size_t checked_count(std::uint64_t count, std::size_t entry_size,
                          std::size_t remaining, std::string_view file,
                          const char* what) {
  if (count > remaining / entry_size) {
    integrity_failure(file, std::to_string(count) + " " + what + " of " +
                                std::to_string(entry_size) +
                                " bytes each do not fit in the " +
                                std::to_string(remaining) + " bytes left");
  }
  return static_cast<std::size_t>(count);
}

void ByteReader::seek(std::uint64_t position) {
  if (position > size_) {
    fail("offset " + std::to_string(position) + " lies outside its " +
         std::to_string(size_) + " bytes");
  }
  position_ = static_cast<std::size_t>(position);
}

const std::uint8_t* ByteReader::take(std::size_t count, const char* what) {
  checked_end(position_, count, size_, file_, what);
  const std::uint8_t* start = data_ + position_;
  position_ += count;
  return start;
}

void ByteReader::read_bytes(void* out, std::size_t count) {
  const std::uint8_t* bytes = take(count);
  if (count > 0) std::memcpy(out, bytes, count);
}

std::string_view ByteReader::read_text(char terminator) {
  const std::uint8_t* start = data_ + position_;
  const void* end =
      remaining() == 0
          ? nullptr
          : std::memchr(start, static_cast<unsigned char>(terminator),
                        remaining());
  if (end == nullptr) {
    fail("the text at offset " + std::to_string(position_) +
         " is not terminated before the end of the data");
  }
  const auto length =
      static_cast<std::size_t>(static_cast<const std::uint8_t*>(end) - start);
  position_ += length + 1;
  return std::string_view(reinterpret_cast<const char*>(start), length);
}

void ByteReader::expect_end(const char* what) const {
  if (position_ != size_) {
    fail(std::to_string(size_ - position_) + " bytes follow " + what);
  }
}

void ByteReader::fail(const std::string& detail) const {
  integrity_failure(file_, detail);
}

}  // namespace data
}  // namespace tessera
