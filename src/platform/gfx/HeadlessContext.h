#pragma once

#include <string>

// An OpenGL 3.3 core context with no window and no display: EGL on Mesa's surfaceless
// platform. Tests and the command-line export render through it into framebuffer objects.
// Current on the thread that created it; not shared between threads.
class HeadlessContext {
 public:
  HeadlessContext() = default;
  ~HeadlessContext();
  HeadlessContext(const HeadlessContext&) = delete;
  HeadlessContext& operator=(const HeadlessContext&) = delete;

  // Creates the context and makes it current. On failure error() says which step failed.
  bool Create();
  bool MakeCurrent();
  bool valid() const { return context_ != nullptr; }
  const std::string& error() const { return error_; }
  // The renderer's name as the driver reports it, e.g. "llvmpipe (LLVM 15.0.6, 256 bits)".
  std::string Renderer() const;

 private:
  bool Fail(const std::string& step);
  void Destroy();

  void* display_ = nullptr;
  void* context_ = nullptr;
  std::string error_;
};
