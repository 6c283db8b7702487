#pragma once

#include <string>

// The library's own text for one of its negative error codes.
std::string FfmpegErrorText(int code);
