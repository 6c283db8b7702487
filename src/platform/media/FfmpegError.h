#pragma once

#include <string>

#include "platform/com/HResult.h"

// The library's own text for one of its negative error codes.
std::string FfmpegErrorText(int code);
// One of its error codes as a status: a system error (AVERROR(errno)) as HResultFromWin32 gives
// it, running out of memory as E_OUTOFMEMORY, the library's own errors as E_FAIL.
HRESULT HResultFromAverror(int code);
