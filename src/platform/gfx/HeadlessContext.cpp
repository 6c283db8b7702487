#include "platform/gfx/HeadlessContext.h"

#include <epoxy/egl.h>
#include <epoxy/gl.h>

#include <cstdio>

namespace {

// epoxy's eglGetPlatformDisplay aborts before any display exists; the extension entry point works.
EGLDisplay SurfacelessDisplay() {
  if (!epoxy_has_egl_extension(EGL_NO_DISPLAY, "EGL_MESA_platform_surfaceless")) return EGL_NO_DISPLAY;
  return eglGetPlatformDisplayEXT(EGL_PLATFORM_SURFACELESS_MESA, EGL_DEFAULT_DISPLAY, nullptr);
}

EGLConfig ChooseConfig(EGLDisplay display) {
  const EGLint attributes[] = {EGL_RENDERABLE_TYPE, EGL_OPENGL_BIT, EGL_SURFACE_TYPE, EGL_PBUFFER_BIT, EGL_NONE};
  EGLConfig config = nullptr;
  EGLint count = 0;
  if (!eglChooseConfig(display, attributes, &config, 1, &count) || count < 1) return nullptr;
  return config;
}

std::string EglErrorText() {
  char text[32];
  std::snprintf(text, sizeof text, " (EGL error 0x%04X)", static_cast<unsigned>(eglGetError()));
  return text;
}

}  // namespace

HeadlessContext::~HeadlessContext() { Destroy(); }

bool HeadlessContext::Create() {
  Destroy();
  EGLDisplay display = SurfacelessDisplay();
  if (display == EGL_NO_DISPLAY) return Fail("no surfaceless EGL display");
  display_ = display;
  EGLint major = 0, minor = 0;
  if (!eglInitialize(display, &major, &minor)) return Fail("eglInitialize failed" + EglErrorText());
  if (!eglBindAPI(EGL_OPENGL_API)) return Fail("eglBindAPI(OpenGL) failed" + EglErrorText());
  EGLConfig config = ChooseConfig(display);
  if (config == nullptr) return Fail("no OpenGL-capable EGL config");
  const EGLint attributes[] = {EGL_CONTEXT_MAJOR_VERSION, 3, EGL_CONTEXT_MINOR_VERSION, 3,
                               EGL_CONTEXT_OPENGL_PROFILE_MASK, EGL_CONTEXT_OPENGL_CORE_PROFILE_BIT, EGL_NONE};
  context_ = eglCreateContext(display, config, EGL_NO_CONTEXT, attributes);
  if (context_ == EGL_NO_CONTEXT) {
    context_ = nullptr;
    return Fail("no OpenGL 3.3 core context" + EglErrorText());
  }
  return MakeCurrent() || Fail("eglMakeCurrent failed" + EglErrorText());
}

bool HeadlessContext::MakeCurrent() {
  return context_ != nullptr && eglMakeCurrent(display_, EGL_NO_SURFACE, EGL_NO_SURFACE, context_);
}

std::string HeadlessContext::Renderer() const {
  if (context_ == nullptr) return {};
  const auto* name = reinterpret_cast<const char*>(glGetString(GL_RENDERER));
  return name ? name : "";
}

bool HeadlessContext::Fail(const std::string& step) {
  error_ = "Headless OpenGL: " + step;
  Destroy();
  return false;
}

void HeadlessContext::Destroy() {
  if (display_ == nullptr) return;
  eglMakeCurrent(display_, EGL_NO_SURFACE, EGL_NO_SURFACE, EGL_NO_CONTEXT);
  if (context_ != nullptr) eglDestroyContext(display_, context_);
  eglTerminate(display_);
  context_ = nullptr;
  display_ = nullptr;
}
