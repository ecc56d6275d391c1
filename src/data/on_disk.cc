#include "data/on_disk.h"

#include <string>
#include <utility>

#include "data/framing.h"
#include "data/integrity.h"

namespace tessera {
namespace data {

OnDisk::OnDisk(std::ifstream&& stream)
    : stream_(std::move(stream)), mutex_(std::make_unique<std::mutex>()) {
  size_ = read_length_from_istream_and_reset(stream_);
  // The file's size, measured as a 64-bit offset so that no file, however
  // large, wraps around.
  stream_.seekg(0, std::ios::end);
  const std::int64_t file_size = stream_.tellg();
  stream_.seekg(0);
  if (!stream_ || file_size < 0) {
    integrity_failure("cannot measure the size of the file");
  }
  if (file_size < size_) {
    integrity_failure("the file holds only " + std::to_string(file_size) +
                      " of the " + std::to_string(size_) +
                      " bytes it declares");
  }
}

OnDisk::View::View(const OnDisk& source)
    : source_(source), lock_(*source.mutex_) {}

void OnDisk::View::seek(std::int64_t position) {
  if (position < 0 || position > source_.size_) {
    integrity_failure("offset " + std::to_string(position) +
                      " lies outside the " + std::to_string(source_.size_) +
                      " bytes of the data");
  }
  source_.stream_.clear();
  source_.stream_.seekg(position);
  if (!source_.stream_) {
    source_.position_ = -1;
    integrity_failure("cannot seek to offset " + std::to_string(position));
  }
  source_.position_ = static_cast<std::int32_t>(position);
}

void OnDisk::View::read_bytes(void* out, std::int32_t count) {
  const std::int32_t position = source_.position_;
  if (position < 0) {
    integrity_failure("reading after a failed read without seeking first");
  }
  if (count < 0 || count > source_.size_ - position) {
    integrity_failure("reading " + std::to_string(count) + " bytes at offset " +
                      std::to_string(position) + " passes the end of the " +
                      std::to_string(source_.size_) + " bytes of the data");
  }
  source_.stream_.read(static_cast<char*>(out), count);
  if (source_.stream_.gcount() != count) {
    source_.position_ = -1;
    integrity_failure("the file ends inside the " + std::to_string(count) +
                      " bytes at offset " + std::to_string(position));
  }
  source_.position_ = position + count;
}

}  // namespace data
}  // namespace tessera
