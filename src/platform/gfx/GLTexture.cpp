#include "platform/gfx/GLTexture.h"

#include <epoxy/gl.h>

#include "platform/gfx/GLErrors.h"

GLTexture::GLTexture(ResourceRegistry& registry, int width, int height, int levelCount)
    : Texture(registry, width, height, levelCount) {}

std::unique_ptr<GLTexture> GLTexture::Create(ResourceRegistry& registry, int width, int height,
                                             std::span<const std::vector<uint32_t>> levels) {
  std::unique_ptr<GLTexture> texture(new GLTexture(registry, width, height, static_cast<int>(levels.size())));
  if (!texture->Upload(levels)) return nullptr;
  return texture;
}

GLTexture::~GLTexture() {
  if (!lost()) ReleaseDeviceObjects();
}

// ARGB in a uint32_t is B, G, R, A in memory on this little-endian machine; the packed
// 8_8_8_8_REV type reads the integer itself, whatever the byte order.
bool GLTexture::Upload(std::span<const std::vector<uint32_t>> levels) {
  DiscardGLErrors();
  glGenTextures(1, &name_);
  glBindTexture(GL_TEXTURE_2D, name_);
  glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
  glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
  for (int level = 0; level < LevelCount(); ++level)
    glTexImage2D(GL_TEXTURE_2D, level, GL_RGBA8, LevelSize(width(), level), LevelSize(height(), level), 0, GL_BGRA,
                 GL_UNSIGNED_INT_8_8_8_8_REV, levels[static_cast<size_t>(level)].data());
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_BASE_LEVEL, 0);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAX_LEVEL, LevelCount() - 1);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
  glBindTexture(GL_TEXTURE_2D, 0);
  return name_ != 0 && glGetError() == GL_NO_ERROR;
}

void GLTexture::ReleaseDeviceObjects() {
  if (name_ != 0) glDeleteTextures(1, &name_);
  name_ = 0;
}
