#include "mkdata/byte_writer.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <stdexcept>

namespace tessera {
namespace mkdata {

void ByteWriter::patch_u32(std::size_t offset, std::uint32_t v) {
  if (offset > bytes_.size() || bytes_.size() - offset < 4) {
    throw std::out_of_range("ByteWriter::patch_u32 past the end");
  }
  for (int i = 0; i < 4; ++i) {
    bytes_[offset + i] = static_cast<std::uint8_t>(v >> (8 * i));
  }
}

std::vector<std::uint8_t> frame(const std::vector<std::uint8_t>& body) {
  constexpr std::size_t kMaxFramedLength = std::size_t{1} << 24;
  if (body.size() > kMaxFramedLength - 4) {
    throw std::length_error("data file larger than 16 MiB");
  }
  const std::uint32_t length = static_cast<std::uint32_t>(body.size() + 4);
  std::vector<std::uint8_t> framed(body.size() + 4);
  for (int i = 0; i < 4; ++i) {
    framed[i] = static_cast<std::uint8_t>(length >> (8 * i));
  }
  std::copy(body.begin(), body.end(), framed.begin() + 4);
  return framed;
}

void write_data_file(const std::string& root, const std::string& relative_name,
                     const std::vector<std::uint8_t>& bytes) {
  const std::filesystem::path path =
      std::filesystem::path(root) / relative_name;
  std::filesystem::create_directories(path.parent_path());
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
  out.close();
  if (!out) throw std::runtime_error("cannot write " + path.string());
}

}  // namespace mkdata
}  // namespace tessera
