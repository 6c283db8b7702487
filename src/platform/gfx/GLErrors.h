#pragma once

#include <epoxy/gl.h>

// Forgets the errors earlier calls left, so that the error checked after a call is its own.
// A lost context reports itself once and then no more, so this ends.
inline void DiscardGLErrors() {
  while (glGetError() != GL_NO_ERROR) {
  }
}
