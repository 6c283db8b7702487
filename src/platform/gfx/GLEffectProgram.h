#pragma once

#include <array>
#include <string>

#include "platform/gfx/EffectParameter.h"
#include "platform/gfx/EffectParameters.h"
#include "platform/gfx/EffectPass.h"
#include "platform/gfx/GLEffectFrame.h"

// The linked OpenGL program of one effect pass, with the location and type of each effect
// parameter it declares. Needs the device's context current; owned by a GLEffect.
class GLEffectProgram {
 public:
  GLEffectProgram() = default;
  ~GLEffectProgram();
  GLEffectProgram(GLEffectProgram&& other) noexcept;
  GLEffectProgram& operator=(GLEffectProgram&& other) noexcept;

  // Compiles and links the pass. On failure returns false and appends the compiler's or linker's
  // log to messages, each preceded by a line saying which block and stage it is about.
  bool Create(const EffectPass& pass, bool optimize, std::string& messages);
  void Destroy();

  // True when the program declares the parameter with a type it can be set as.
  bool Declares(EffectParameter parameter) const { return uniforms_[static_cast<size_t>(parameter)].location >= 0; }
  // Makes the program current, sets every declared parameter and binds the textures to units 0
  // and 1; leaves unit 0 active.
  void Apply(const EffectParameters& parameters, const GLEffectFrame& frame) const;

 private:
  struct Uniform {
    int location = -1;
    unsigned type = 0;
  };

  unsigned CompileStage(unsigned kind, const std::string& text, const std::string& label, std::string& messages);
  bool Link(unsigned vertex, unsigned fragment, const std::string& label, std::string& messages);
  void FindUniforms();
  void SetUniform(EffectParameter parameter, const EffectParameters& parameters) const;
  void SetFrame(const GLEffectFrame& frame) const;

  // The program's own inputs, found once after linking.
  struct FrameUniforms {
    int world = -1;
    int viewProjection = -1;
    int convertDepth = -1;
    int flipY = -1;
  };

  unsigned program_ = 0;
  std::array<Uniform, kEffectParameterCount> uniforms_{};
  FrameUniforms frameUniforms_;
};
