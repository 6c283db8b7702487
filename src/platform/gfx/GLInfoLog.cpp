#include "platform/gfx/GLInfoLog.h"

#include <epoxy/gl.h>

std::string GLInfoLog(unsigned object, bool program) {
  GLint length = 0;
  program ? glGetProgramiv(object, GL_INFO_LOG_LENGTH, &length) : glGetShaderiv(object, GL_INFO_LOG_LENGTH, &length);
  std::string log(static_cast<size_t>(length > 0 ? length : 0), '\0');
  if (length > 0) {
    program ? glGetProgramInfoLog(object, length, nullptr, log.data())
            : glGetShaderInfoLog(object, length, nullptr, log.data());
    log.resize(log.find('\0') == std::string::npos ? log.size() : log.find('\0'));
  }
  return log;
}
