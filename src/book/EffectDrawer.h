#pragma once

class GraphicsDevice;
class Mesh;
struct MeshDrawParams;

// Draws a photo mesh through the user's photo effect. RenderContext::DrawMesh calls it, with the
// device states, material and texture already set for the draw, when the draw asks for the
// effect and names one. User-interface thread only.
class EffectDrawer {
 public:
  virtual ~EffectDrawer() = default;

  // False when nothing was drawn.
  virtual bool DrawWithEffect(GraphicsDevice& device, const Mesh& mesh, const MeshDrawParams& params) = 0;
};
