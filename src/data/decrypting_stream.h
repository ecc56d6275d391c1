// An input stream that decrypts an AES-128-CBC encrypted stream as it is
// read.
#ifndef TESSERA_DATA_DECRYPTING_STREAM_H_
#define TESSERA_DATA_DECRYPTING_STREAM_H_

#include <istream>
#include <memory>
#include <streambuf>

#include "data/aes.h"

namespace tessera {
namespace data {

// Pulls ciphertext from `source` one buffer at a time and hands out the
// plaintext: AES-128 decryption in CBC mode, the whole source being one CBC
// chain. Only whole 16-byte blocks are decrypted; the bytes of a trailing
// incomplete block are dropped, and padding is not removed. There is no
// integrity check: a wrong key or corrupt data gives wrong plaintext.
// Sequential reading only; no seeking, no putback into the source. Not
// thread-safe.
class DecryptingStreamBuf : public std::streambuf {
 public:
  // Decrypts with the data files' key and initialisation vector.
  // `source` must outlive this. Throws InvalidArgumentError unless
  // `buffer_size` is a positive multiple of 16, so that every refill starts
  // on a block boundary.
  DecryptingStreamBuf(std::streambuf& source, int buffer_size);

  // As above with the 16-byte `key` and initialisation vector `iv`.
  DecryptingStreamBuf(std::streambuf& source, int buffer_size,
                      const unsigned char* key, const unsigned char* iv);

  DecryptingStreamBuf(const DecryptingStreamBuf&) = delete;
  DecryptingStreamBuf& operator=(const DecryptingStreamBuf&) = delete;

 protected:
  // Refills the buffer with the next whole blocks of the source, decrypted,
  // and returns the first byte, or end-of-file when the source has no whole
  // block left.
  int_type underflow() override;

 private:
  static constexpr int kBlockSize = 16;

  std::streambuf* source_;
  int buffer_size_;
  std::unique_ptr<char[]> buffer_;
  symmetric_key key_;
  // The previous ciphertext block; the initialisation vector at first.
  unsigned char chain_[kBlockSize];
};

// An std::istream over a DecryptingStreamBuf that it owns.
class DecryptingStream : public std::istream {
 public:
  // Reads the decrypted content of `in` with the data files' key and
  // initialisation vector. `in` must outlive this. Throws
  // InvalidArgumentError as DecryptingStreamBuf does, or when `in` has no
  // stream buffer.
  DecryptingStream(std::istream& in, int buffer_size);

  // As above with the 16-byte `key` and initialisation vector `iv`.
  DecryptingStream(std::istream& in, int buffer_size, const unsigned char* key,
                   const unsigned char* iv);

 private:
  DecryptingStreamBuf buffer_;
};

}  // namespace data
}  // namespace tessera

#endif  // TESSERA_DATA_DECRYPTING_STREAM_H_
