#include "manifest/sha256.h"

#include <openssl/evp.h>

#include <fstream>
#include <memory>
#include <stdexcept>
#include <vector>

namespace tessera {
namespace manifest {
namespace {

// One digest in progress.
class Sha256 {
 public:
  Sha256() : context_(EVP_MD_CTX_new(), &EVP_MD_CTX_free) {
    if (!context_ ||
        EVP_DigestInit_ex(context_.get(), EVP_sha256(), nullptr) != 1) {
      throw std::runtime_error("cannot start a SHA-256 digest");
    }
  }

  void update(const void* data, std::size_t size) {
    if (EVP_DigestUpdate(context_.get(), data, size) != 1) {
      throw std::runtime_error("cannot compute a SHA-256 digest");
    }
  }

  std::string hex_digest() {
    unsigned char digest[EVP_MAX_MD_SIZE];
    unsigned int size = 0;
    if (EVP_DigestFinal_ex(context_.get(), digest, &size) != 1) {
      throw std::runtime_error("cannot compute a SHA-256 digest");
    }
    static constexpr char kHex[] = "0123456789abcdef";
    std::string hex;
    hex.reserve(2 * size);
    for (unsigned int i = 0; i < size; ++i) {
      hex += kHex[digest[i] >> 4];
      hex += kHex[digest[i] & 0x0F];
    }
    return hex;
  }

 private:
  std::unique_ptr<EVP_MD_CTX, decltype(&EVP_MD_CTX_free)> context_;
};

}  // namespace

std::string sha256_hex(std::string_view bytes) {
  Sha256 digest;
  digest.update(bytes.data(), bytes.size());
  return digest.hex_digest();
}

std::string sha256_file_hex(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot open " + path);
  Sha256 digest;
  std::vector<char> buffer(1 << 16);
  while (in) {
    in.read(buffer.data(), static_cast<std::streamsize>(buffer.size()));
    digest.update(buffer.data(), static_cast<std::size_t>(in.gcount()));
  }
  if (!in.eof()) throw std::runtime_error("cannot read " + path);
  return digest.hex_digest();
}

}  // namespace manifest
}  // namespace tessera
