#pragma once

// What a format is asked to serve as, in a format-support question.
enum class FormatUse {
  // A texture that can be blended into after the pixel shader.
  BlendingTexture,
  // A render-target surface that can be blended into after the pixel shader.
  BlendingRenderTarget,
  // A render-target surface.
  RenderTarget,
  // A depth-stencil surface.
  DepthStencil,
  // A depth-stencil format that works together with a render-target format.
  DepthStencilMatch,
};
