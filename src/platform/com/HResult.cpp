#include "platform/com/HResult.h"

#include <cerrno>

HRESULT HResultFromLastError() {
  const int error = errno;
  return error > 0 ? HResultFromWin32(error) : E_FAIL;
}
