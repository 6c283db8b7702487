#include "book/DrawRecord.h"

DrawRecord::DrawRecord(const GraphicsDevice& device, const glm::mat4& world, const glm::mat4& view,
                       const glm::mat4& projection)
    : start{device.renderTarget(),   device.viewport(), device.StencilAvailable(), device.renderStates(),
            device.light(),          world,             view,                      projection},
      reusable(true) {}

void DrawRecord::NoteDraw(const MeshDrawParams& params) {
  if (params.useEffect && params.effect != nullptr) reusable = false;
  steps.push_back(Draw{params.mesh->version(), params.texture != nullptr ? params.texture->version() : 0,
                       params.lighting, params.shiny, params.colour, params.cull, params.depthLessEqual});
}
