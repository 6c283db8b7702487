#include "platform/media/FfmpegError.h"

#include <cerrno>

extern "C" {
#include <libavutil/error.h>
}

namespace {

// System error numbers are small; the library's own codes are tags far below them.
constexpr int kLargestSystemError = 4095;

}  // namespace

std::string FfmpegErrorText(int code) {
  char text[AV_ERROR_MAX_STRING_SIZE] = {};
  av_strerror(code, text, sizeof text);
  return text;
}

HRESULT HResultFromAverror(int code) {
  if (code >= 0) return S_OK;
  if (code == AVERROR(ENOMEM)) return E_OUTOFMEMORY;
  return -code <= kLargestSystemError ? HResultFromWin32(-code) : E_FAIL;
}
