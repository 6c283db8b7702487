#pragma once

#include <string>
#include <utility>

// The outcome of a movie-writing step: success, or which kind of failure with a technical
// English text (UTF-8) for logs and message boxes.
struct MediaStatus {
  enum class Kind {
    Ok,
    BadRequest,          // impossible size, rate, frame or call order
    CannotCreateFile,    // the movie file could not be created or truncated
    WriteFailed,         // a write or seek failed (disk full, device gone)
    EncoderUnavailable,  // no such encoder, not accepted by AVI, or it would not open
    EncodingFailed,      // the encoder or the muxer rejected a frame
  };

  Kind kind = Kind::Ok;
  std::string text;

  bool Succeeded() const { return kind == Kind::Ok; }
  static MediaStatus Success() { return {}; }
  static MediaStatus Failure(Kind kind, std::string text) { return {kind, std::move(text)}; }
};
