#pragma once

#include "platform/gfx/RenderStates.h"

// Sets the OpenGL state of the current context to the raster part of states: cull, fill,
// blending, depth and stencil. Direct3D's clockwise cull removes triangles that wind clockwise in
// window space, as the viewer sees them; flippedY says the picture is drawn upside down (into a
// render target), which turns every winding round. Shading, lighting and texturing belong to the
// program.
void ApplyGLRenderStates(const RenderStates& states, bool flippedY);
