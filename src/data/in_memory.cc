#include "data/in_memory.h"

#include <cstring>
#include <string>
#include <utility>

#include "data/framing.h"
#include "data/integrity.h"

namespace tessera {
namespace data {

InMemory::InMemory(std::istream& in, std::int32_t n)
    : bytes_(read_vector_char(in, n)) {}

InMemory::InMemory(std::istream& in, ReadFileLengthFromFile)
    : InMemory(in, read_length_from_istream_and_reset(in)) {}

InMemory::InMemory(std::vector<char> bytes) : bytes_(std::move(bytes)) {
  if (bytes_.size() > static_cast<std::size_t>(kMaxDataFileLength)) {
    integrity_failure("a data source of " + std::to_string(bytes_.size()) +
                      " bytes is larger than the largest data file");
  }
}

InMemory::View::View(const InMemory& source) noexcept
    : data_(reinterpret_cast<const std::uint8_t*>(source.bytes_.data())),
      size_(source.size()) {}

void InMemory::View::seek(std::int64_t position) {
  if (position < 0 || position > size_) {
    integrity_failure("offset " + std::to_string(position) +
                      " lies outside the " + std::to_string(size_) +
                      " bytes of the data");
  }
  position_ = static_cast<std::int32_t>(position);
}

void InMemory::View::read_bytes(void* out, std::int32_t count) {
  if (count < 0 || count > size_ - position_) {
    integrity_failure("reading " + std::to_string(count) + " bytes at offset " +
                      std::to_string(position_) + " passes the end of the " +
                      std::to_string(size_) + " bytes of the data");
  }
  if (count > 0) std::memcpy(out, data_ + position_, count);
  position_ += count;
}

}  // namespace data
}  // namespace tessera
