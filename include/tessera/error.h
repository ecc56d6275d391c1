// The engine's error types. Every failure of the engine is thrown as one of
// these; all derive from Error (and so from std::runtime_error), so a caller
// can catch every engine failure at that one type and read what().
#ifndef TESSERA_ERROR_H_
#define TESSERA_ERROR_H_

#include <stdexcept>
#include <string>

namespace tessera {

class Error : public std::runtime_error {
 public:
  explicit Error(const std::string& message);

  // Throws Error(message). Never returns.
  [[noreturn]] static void raise(std::string message);
};

// A data file is missing, unreadable or corrupt; the message tells which.
class FileError : public Error {
 public:
  explicit FileError(const std::string& message);
  [[noreturn]] static void raise(std::string message);
};

// A caller passed an argument the engine cannot accept.
class InvalidArgumentError : public Error {
 public:
  explicit InvalidArgumentError(const std::string& message);
  [[noreturn]] static void raise(std::string message);
};

// The name keeps the spelling callers already catch.
// what() is "Language '" + language_code + "' not available.".
class LanguageNotAvalableError : public InvalidArgumentError {
 public:
  explicit LanguageNotAvalableError(const std::string& language_code);
  [[noreturn]] static void raise(std::string language_code);
};

// Reading the value of an empty Optional.
class bad_optional_access : public Error {
 public:
  static const char* const error_msg;  // "Bad Optional Access"

  bad_optional_access();
  [[noreturn]] static void raise();
};

}  // namespace tessera

#endif  // TESSERA_ERROR_H_
