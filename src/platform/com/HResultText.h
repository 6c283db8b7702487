#pragma once

#include <string>

#include "platform/com/HResult.h"

// A failure status in words for a message box: the system's text for a system error (facility
// WIN32, as HResultFromWin32 makes them), else the code in hexadecimal ("error 0x80004005").
std::u16string HResultText(HRESULT hr);
