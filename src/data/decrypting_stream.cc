#include "data/decrypting_stream.h"

#include <cstring>

#include "data/data_key.h"
#include "tessera/error.h"

namespace tessera {
namespace data {

namespace {

std::streambuf& source_of(std::istream& in) {
  if (in.rdbuf() == nullptr) {
    throw InvalidArgumentError("The stream to decrypt has no buffer.");
  }
  return *in.rdbuf();
}

}  // namespace

DecryptingStreamBuf::DecryptingStreamBuf(std::streambuf& source,
                                         int buffer_size)
    : DecryptingStreamBuf(source, buffer_size, kDataKey, kDataIv) {}

DecryptingStreamBuf::DecryptingStreamBuf(std::streambuf& source,
                                         int buffer_size,
                                         const unsigned char* key,
                                         const unsigned char* iv)
    : source_(&source), buffer_size_(buffer_size) {
  if (buffer_size <= 0 || buffer_size % kBlockSize != 0) {
    throw InvalidArgumentError(
        "The buffer of a decrypting stream must be a positive multiple of 16 "
        "bytes.");
  }
  buffer_ = std::make_unique<char[]>(static_cast<std::size_t>(buffer_size));
  setg(buffer_.get(), buffer_.get(), buffer_.get());
  aes_setup(key, &key_);
  std::memcpy(chain_, iv, kBlockSize);
}

DecryptingStreamBuf::int_type DecryptingStreamBuf::underflow() {
  if (gptr() < egptr()) return traits_type::to_int_type(*gptr());

  char* const buffer = buffer_.get();
  const std::streamsize obtained = source_->sgetn(buffer, buffer_size_);
  const std::streamsize blocks = obtained > 0 ? obtained / kBlockSize : 0;

  for (std::streamsize b = 0; b < blocks; ++b) {
    unsigned char* const block =
        reinterpret_cast<unsigned char*>(buffer + b * kBlockSize);
    unsigned char ciphertext[kBlockSize];
    std::memcpy(ciphertext, block, kBlockSize);
    aes_decrypt_block(key_, block, block);
    for (int i = 0; i < kBlockSize; ++i) block[i] ^= chain_[i];
    std::memcpy(chain_, ciphertext, kBlockSize);
  }

  setg(buffer, buffer, buffer + blocks * kBlockSize);
  if (blocks == 0) return traits_type::eof();
  return traits_type::to_int_type(*gptr());
}

DecryptingStream::DecryptingStream(std::istream& in, int buffer_size)
    : std::istream(nullptr), buffer_(source_of(in), buffer_size) {
  rdbuf(&buffer_);
}

DecryptingStream::DecryptingStream(std::istream& in, int buffer_size,
                                   const unsigned char* key,
                                   const unsigned char* iv)
    : std::istream(nullptr), buffer_(source_of(in), buffer_size, key, iv) {
  rdbuf(&buffer_);
}

}  // namespace data
}  // namespace tessera
