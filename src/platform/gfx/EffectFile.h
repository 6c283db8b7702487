#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "platform/gfx/Effect.h"
#include "platform/gfx/EffectParameters.h"

class GraphicsDevice;
class Mesh;

// One effect file loaded onto a device: the compiled effect with its first technique current
// and its parameters looked up, or no effect and, for a file that is there but broken, an error
// text for the user. Owns the effect; must not outlive the device's context for an OpenGL device
// (like any resource it may outlive the device object itself). User-interface thread only.
class EffectFile {
 public:
  // Files beyond this size count as unreadable.
  static constexpr int64_t kMaxFileBytes = 64 * 1024 * 1024;

  EffectFile() = default;

  // Always gives an object. No device, an empty path, or a file that is empty, missing or
  // unreadable: no effect and no error text. A file that does not parse or compile: "Error
  // loading Effect "file name"" with the messages; one without a technique: "Error getting
  // Technique from Effect "file name"".
  static EffectFile Load(GraphicsDevice* device, const std::u16string& path);

  const Effect* effect() const { return effect_.get(); }
  const std::u16string& errorText() const { return errorText_; }
  // The compile flags the file's text chose (EffectCompileFlags.h); 0 before any text was read.
  int compileFlags() const { return compileFlags_; }

  // Draws mesh through the effect, or, without an effect, as a plain DrawMesh with the states the
  // device has. False when the device refuses the draw.
  bool Draw(GraphicsDevice& device, const Mesh& mesh, const EffectParameters& parameters) const;
  // Frees the effect and clears the error text.
  void Release();

  // The part of path after its last "/", ":" or "\".
  static std::u16string FileNameOf(std::u16string_view path);

 private:
  void Compile(GraphicsDevice& device, const std::string& text, const std::u16string& fileName);
  void ChooseTechnique(const std::u16string& fileName);

  std::unique_ptr<Effect> effect_;
  std::u16string errorText_;
  int compileFlags_ = 0;
};
