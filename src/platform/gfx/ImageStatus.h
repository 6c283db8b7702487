#pragma once

#include <string>
#include <utility>

// The outcome of reading an image file: success, or which kind of failure with a text naming the
// file and what went wrong (technical English in UTF-8, like DeviceStatus, for logs and
// information boxes).
struct ImageStatus {
  enum class Kind {
    Ok,
    CannotOpen,     // missing, a folder, or not readable
    UnknownFormat,  // not a BMP, JPG, PNG or TGA file
    Corrupt,        // a damaged or truncated header or image data
    TooLarge,       // beyond the largest size that may be decoded
    BadRequest,     // the caller asked for an impossible size
  };

  Kind kind = Kind::Ok;
  std::string text;  // UTF-8

  bool Succeeded() const { return kind == Kind::Ok; }
  static ImageStatus Failure(Kind kind, std::string text) { return {kind, std::move(text)}; }
};
