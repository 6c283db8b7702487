#pragma once

#include <glm/vec3.hpp>

#include "book/GridMesh.h"
#include "book/ViewMatrices.h"

// The ray under a client-area pixel, in the own space of a mesh drawn with the given matrices.
struct PickRay {
  glm::vec3 origin{0.0f};
  glm::vec3 direction{0.0f, 0.0f, 1.0f};

  // x, y: client pixels from the top-left corner. Unusable sizes or matrices give a ray that
  // hits nothing.
  static PickRay Under(float x, float y, int clientWidth, int clientHeight, const ViewMatrices& matrices);

  // Distance along the ray to the nearest triangle of the mesh, -1 when none is hit.
  float DistanceTo(const GridMesh& mesh) const;
};
