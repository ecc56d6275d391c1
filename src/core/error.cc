#include "tessera/error.h"

#include <string>
#include <utility>

namespace tessera {

Error::Error(const std::string& message) : std::runtime_error(message) {}

void Error::raise(std::string message) { throw Error(std::move(message)); }

FileError::FileError(const std::string& message) : Error(message) {}

void FileError::raise(std::string message) {
  throw FileError(std::move(message));
}

InvalidArgumentError::InvalidArgumentError(const std::string& message)
    : Error(message) {}

void InvalidArgumentError::raise(std::string message) {
  throw InvalidArgumentError(std::move(message));
}

LanguageNotAvalableError::LanguageNotAvalableError(
    const std::string& language_code)
    : InvalidArgumentError("Language '" + language_code + "' not available.") {}

void LanguageNotAvalableError::raise(std::string language_code) {
  throw LanguageNotAvalableError(std::move(language_code));
}

const char* const bad_optional_access::error_msg = "Bad Optional Access";

bad_optional_access::bad_optional_access() : Error(error_msg) {}

void bad_optional_access::raise() { throw bad_optional_access(); }

}  // namespace tessera
