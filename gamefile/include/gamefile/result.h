#pragma once
// A value or the reason it could not be produced. Expected failures (a damaged
// user file, a missing file) travel as results, never as exceptions.
#include <optional>
#include <string>
#include <utility>

namespace gamefile {

// Why a file operation failed. The callers choose the German message the
// user sees; `detail` carries a short German reason for tools and logs.
enum class ErrorCode {
  CannotOpen,        // file missing or unreadable
  CannotWrite,       // file could not be created or written completely
  Truncated,         // the file ends inside a field
  ZeroPairs,         // a picture-pair file claims 0 pairs
  CountBeyondFile,   // a byte count is larger than what remains in the file
  BadSourceIndex,    // a source index names no record carrying its own bytes
  BadPicture,        // not a 488 x 430 JFIF JPEG, or a rectangle outside it
  TooLarge,          // a file larger than the caller allows
};

struct Error {
  ErrorCode code;
  std::string detail;
};

template <typename T>
class Result {
 public:
  Result(T value) : value_(std::move(value)) {}
  Result(Error error) : error_(std::move(error)) {}

  bool ok() const { return value_.has_value(); }
  explicit operator bool() const { return ok(); }
  T& value() { return *value_; }
  const T& value() const { return *value_; }
  T* operator->() { return &*value_; }
  const T* operator->() const { return &*value_; }
  T& operator*() { return *value_; }
  const T& operator*() const { return *value_; }
  const Error& error() const { return *error_; }

 private:
  std::optional<T> value_;
  std::optional<Error> error_;
};

// For operations that produce nothing but may fail.
struct Done {};
using Status = Result<Done>;
inline Status Success() { return Done{}; }

}  // namespace gamefile
