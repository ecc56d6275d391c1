// The outcome of a validity check: a code and a message. Checks return one
// instead of throwing; assert_error_descriptor turns it into an exception.
#ifndef TESSERA_ERROR_DESCRIPTOR_H_
#define TESSERA_ERROR_DESCRIPTOR_H_

#include <cstdint>
#include <string>

namespace tessera {

struct ErrorDescriptor {
  // 0 no error, 1 Error, 2 FileError, 3 InvalidArgumentError,
  // 4 LanguageNotAvalableError; any other value means no error.
  std::int32_t code = 0;
  // Empty when code is 0.
  std::string message;
};

// Throws the error that `descriptor.code` names, with its message: code 1
// Error, 2 FileError, 3 InvalidArgumentError, 4 LanguageNotAvalableError
// (whose message is then taken as the language code). Returns normally for
// any other code.
void assert_error_descriptor(const ErrorDescriptor& descriptor);

}  // namespace tessera

#endif  // TESSERA_ERROR_DESCRIPTOR_H_
