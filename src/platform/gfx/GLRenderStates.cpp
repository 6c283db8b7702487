#include "platform/gfx/GLRenderStates.h"

#include <epoxy/gl.h>

namespace {

GLenum CompareOf(RenderStates::Compare compare) {
  using C = RenderStates::Compare;
  switch (compare) {
    case C::Never:
      return GL_NEVER;
    case C::Less:
      return GL_LESS;
    case C::Equal:
      return GL_EQUAL;
    case C::LessEqual:
      return GL_LEQUAL;
    case C::Greater:
      return GL_GREATER;
    case C::NotEqual:
      return GL_NOTEQUAL;
    case C::GreaterEqual:
      return GL_GEQUAL;
    case C::Always:
      return GL_ALWAYS;
  }
  return GL_ALWAYS;
}

GLenum StencilOpOf(RenderStates::StencilOp op) {
  using S = RenderStates::StencilOp;
  switch (op) {
    case S::Keep:
      return GL_KEEP;
    case S::Zero:
      return GL_ZERO;
    case S::Replace:
      return GL_REPLACE;
    case S::IncrementSaturate:
      return GL_INCR;
    case S::DecrementSaturate:
      return GL_DECR;
    case S::Invert:
      return GL_INVERT;
    case S::Increment:
      return GL_INCR_WRAP;
    case S::Decrement:
      return GL_DECR_WRAP;
  }
  return GL_KEEP;
}

GLenum BlendOf(RenderStates::Blend blend) {
  using B = RenderStates::Blend;
  switch (blend) {
    case B::Zero:
      return GL_ZERO;
    case B::One:
      return GL_ONE;
    case B::SourceAlpha:
      return GL_SRC_ALPHA;
    case B::InverseSourceAlpha:
      return GL_ONE_MINUS_SRC_ALPHA;
  }
  return GL_ONE;
}

void Enable(GLenum capability, bool on) { on ? glEnable(capability) : glDisable(capability); }

// Front faces wind counter-clockwise in window space, so culling "back" removes clockwise ones.
void ApplyCull(RenderStates::Cull cull, bool flippedY) {
  Enable(GL_CULL_FACE, cull != RenderStates::Cull::None);
  glFrontFace(flippedY ? GL_CW : GL_CCW);
  glCullFace(cull == RenderStates::Cull::Clockwise ? GL_BACK : GL_FRONT);
}

void ApplyDepth(const RenderStates& states) {
  Enable(GL_DEPTH_TEST, states.depthEnable);
  glDepthFunc(CompareOf(states.depthFunction));
  glDepthMask(states.depthWrite ? GL_TRUE : GL_FALSE);
}

void ApplyStencil(const RenderStates& states) {
  Enable(GL_STENCIL_TEST, states.stencilEnable);
  glStencilFunc(CompareOf(states.stencilFunction), static_cast<GLint>(states.stencilReference & 0xFFu),
                states.stencilReadMask);
  glStencilMask(states.stencilWriteMask);
  glStencilOp(StencilOpOf(states.stencilFail), StencilOpOf(states.stencilDepthFail), StencilOpOf(states.stencilPass));
}

}  // namespace

void ApplyGLRenderStates(const RenderStates& states, bool flippedY) {
  ApplyCull(states.cull, flippedY);
  glPolygonMode(GL_FRONT_AND_BACK, states.fill == RenderStates::Fill::Wireframe ? GL_LINE : GL_FILL);
  Enable(GL_BLEND, states.alphaBlend);
  glBlendFunc(BlendOf(states.sourceBlend), BlendOf(states.destinationBlend));
  ApplyDepth(states);
  ApplyStencil(states);
}
