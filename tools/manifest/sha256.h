// SHA-256 digests, computed by OpenSSL's libcrypto.
#ifndef TESSERA_TOOLS_MANIFEST_SHA256_H_
#define TESSERA_TOOLS_MANIFEST_SHA256_H_

#include <string>
#include <string_view>

namespace tessera {
namespace manifest {

// The SHA-256 digest of `bytes`, as 64 lower-case hex digits.
//
// Throws std::runtime_error when libcrypto fails.
std::string sha256_hex(std::string_view bytes);

// The SHA-256 digest of the file at `path`, as 64 lower-case hex digits.
// The file is read in pieces, never whole.
//
// Throws std::runtime_error naming `path` when the file cannot be opened
// or read, and when libcrypto fails.
std::string sha256_file_hex(const std::string& path);

}  // namespace manifest
}  // namespace tessera

#endif  // TESSERA_TOOLS_MANIFEST_SHA256_H_
