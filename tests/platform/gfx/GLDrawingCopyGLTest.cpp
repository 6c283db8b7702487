#include <epoxy/gl.h>
#include <gtest/gtest.h>

#include "GLDeviceFixture.h"

namespace {

constexpr unsigned kEverything = GraphicsDevice::kClearColour | GraphicsDevice::kClearDepth | GraphicsDevice::kClearStencil;

// Copies of what is drawn into the fixture's framebuffer (standing for the window) into a store
// and back.
class GLDrawingCopyGLTest : public GLDeviceFixture {
 protected:
  static float Depth(int x, int y) {
    float depth = 0;
    glReadPixels(x, y, 1, 1, GL_DEPTH_COMPONENT, GL_FLOAT, &depth);
    return depth;
  }
  static int Stencil(int x, int y) {
    GLubyte stencil = 0;
    glReadPixels(x, y, 1, 1, GL_STENCIL_INDEX, GL_UNSIGNED_BYTE, &stencil);
    return stencil;
  }
};

TEST_F(GLDrawingCopyGLTest, ColourDepthAndStencilComeBackExactlyAndTheBindingsStay) {
  std::unique_ptr<RenderTarget> store = device_->CreateRenderTarget(kSize, kSize);
  ASSERT_TRUE(store);
  ASSERT_TRUE(device_->Clear(kEverything, 0xFF123456u, 0.25f, 5));
  ASSERT_TRUE(device_->CopyDrawingTo(*store));
  ASSERT_TRUE(device_->Clear(kEverything, 0xFF000000u, 1.0f, 0));
  ASSERT_TRUE(device_->CopyDrawingFrom(*store));
  GLint read = -1, drawn = -1;
  glGetIntegerv(GL_READ_FRAMEBUFFER_BINDING, &read);
  glGetIntegerv(GL_DRAW_FRAMEBUFFER_BINDING, &drawn);
  EXPECT_EQ(read, static_cast<GLint>(framebuffer_));
  EXPECT_EQ(drawn, static_cast<GLint>(framebuffer_));
  EXPECT_EQ(Pixel(3, 60), 0xFF123456u);
  EXPECT_FLOAT_EQ(Depth(3, 3), 0.25f);
  EXPECT_EQ(Stencil(3, 3), 5);
  EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

TEST_F(GLDrawingCopyGLTest, OnlyAStoreOfTheViewportsSizeThatIsNotTheTargetTakesACopy) {
  std::unique_ptr<RenderTarget> small = device_->CreateRenderTarget(kSize / 2, kSize);
  std::unique_ptr<RenderTarget> target = device_->CreateRenderTarget(kSize, kSize);
  EXPECT_FALSE(device_->CopyDrawingTo(*small));
  ASSERT_TRUE(device_->SetRenderTarget(target.get()));
  EXPECT_FALSE(device_->CopyDrawingTo(*target));
  EXPECT_FALSE(device_->CopyDrawingFrom(*target));
  ASSERT_TRUE(device_->SetRenderTarget(nullptr));
}

// OpenGL would copy a multisampled picture without an error and give back one value in every
// sample, which changes its edges: such a window is refused.
TEST_F(GLDrawingCopyGLTest, AMultisampledWindowIsRefused) {
  GLuint renderbuffers[2] = {}, multisampled = 0;
  glGenRenderbuffers(2, renderbuffers);
  glBindRenderbuffer(GL_RENDERBUFFER, renderbuffers[0]);
  glRenderbufferStorageMultisample(GL_RENDERBUFFER, 4, GL_RGBA8, kSize, kSize);
  glBindRenderbuffer(GL_RENDERBUFFER, renderbuffers[1]);
  glRenderbufferStorageMultisample(GL_RENDERBUFFER, 4, GL_DEPTH24_STENCIL8, kSize, kSize);
  glGenFramebuffers(1, &multisampled);
  glBindFramebuffer(GL_FRAMEBUFFER, multisampled);
  glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER, renderbuffers[0]);
  glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_STENCIL_ATTACHMENT, GL_RENDERBUFFER, renderbuffers[1]);
  ASSERT_EQ(glCheckFramebufferStatus(GL_FRAMEBUFFER), static_cast<GLenum>(GL_FRAMEBUFFER_COMPLETE));
  std::unique_ptr<RenderTarget> store = device_->CreateRenderTarget(kSize, kSize);
  ASSERT_TRUE(store);
  EXPECT_FALSE(device_->CopyDrawingTo(*store));
  EXPECT_FALSE(device_->CopyDrawingFrom(*store));
  EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
  glBindFramebuffer(GL_FRAMEBUFFER, framebuffer_);
  glDeleteFramebuffers(1, &multisampled);
  glDeleteRenderbuffers(2, renderbuffers);
}

}  // namespace
