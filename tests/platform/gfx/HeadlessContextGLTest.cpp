#include "platform/gfx/HeadlessContext.h"

#include <epoxy/gl.h>
#include <gtest/gtest.h>

#include <array>

namespace {

TEST(HeadlessContextGLTest, RendersIntoAFramebufferWithoutADisplay) {
  HeadlessContext context;
  ASSERT_TRUE(context.Create()) << context.error();
  EXPECT_FALSE(context.Renderer().empty());
  GLint major = 0;
  glGetIntegerv(GL_MAJOR_VERSION, &major);
  EXPECT_GE(major, 3);

  GLuint texture = 0, framebuffer = 0;
  glGenTextures(1, &texture);
  glBindTexture(GL_TEXTURE_2D, texture);
  glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, 8, 4, 0, GL_RGBA, GL_UNSIGNED_BYTE, nullptr);
  glGenFramebuffers(1, &framebuffer);
  glBindFramebuffer(GL_FRAMEBUFFER, framebuffer);
  glFramebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, texture, 0);
  ASSERT_EQ(glCheckFramebufferStatus(GL_FRAMEBUFFER), static_cast<GLenum>(GL_FRAMEBUFFER_COMPLETE));

  glClearColor(1.0f, 0.5f, 0.0f, 1.0f);
  glClear(GL_COLOR_BUFFER_BIT);
  std::array<unsigned char, 4> pixel{};
  glReadPixels(7, 3, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, pixel.data());
  EXPECT_EQ(pixel[0], 255);
  EXPECT_NEAR(pixel[1], 128, 1);
  EXPECT_EQ(pixel[2], 0);
  EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
  glDeleteFramebuffers(1, &framebuffer);
  glDeleteTextures(1, &texture);
}

TEST(HeadlessContextGLTest, TwoContextsOneAfterAnother) {
  for (int i = 0; i < 2; ++i) {
    HeadlessContext context;
    ASSERT_TRUE(context.Create()) << context.error();
  }
}

}  // namespace
