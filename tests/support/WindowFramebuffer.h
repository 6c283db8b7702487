#pragma once

#include <epoxy/gl.h>

// A framebuffer object with colour and depth-stencil, bound as the framebuffer a headless
// context draws into when no target is set: the window of the tests. Needs a current context;
// unbinds and deletes it when destroyed.
class WindowFramebuffer {
 public:
  WindowFramebuffer(int width, int height) {
    glGenRenderbuffers(2, renderbuffers_);
    glBindRenderbuffer(GL_RENDERBUFFER, renderbuffers_[0]);
    glRenderbufferStorage(GL_RENDERBUFFER, GL_RGBA8, width, height);
    glBindRenderbuffer(GL_RENDERBUFFER, renderbuffers_[1]);
    glRenderbufferStorage(GL_RENDERBUFFER, GL_DEPTH24_STENCIL8, width, height);
    glGenFramebuffers(1, &framebuffer_);
    glBindFramebuffer(GL_FRAMEBUFFER, framebuffer_);
    glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER, renderbuffers_[0]);
    glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_STENCIL_ATTACHMENT, GL_RENDERBUFFER, renderbuffers_[1]);
  }
  ~WindowFramebuffer() {
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
    glDeleteFramebuffers(1, &framebuffer_);
    glDeleteRenderbuffers(2, renderbuffers_);
  }
  WindowFramebuffer(const WindowFramebuffer&) = delete;
  WindowFramebuffer& operator=(const WindowFramebuffer&) = delete;

  bool Complete() const { return glCheckFramebufferStatus(GL_FRAMEBUFFER) == GL_FRAMEBUFFER_COMPLETE; }
  GLuint name() const { return framebuffer_; }

 private:
  GLuint framebuffer_ = 0;
  GLuint renderbuffers_[2] = {0, 0};
};
