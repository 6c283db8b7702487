#pragma once

#include <cstddef>
#include <cstdint>
#include <glm/vec3.hpp>

// The vertex of every device mesh (flexible vertex format 0x152: position, normal, diffuse, one
// texture pair). The device's vertex buffers read this layout byte for byte.
struct MeshVertex {
  glm::vec3 position{0.0f};
  glm::vec3 normal{0.0f};
  uint32_t diffuse = 0;  // ARGB, alpha in the top byte
  float u = 0.0f;
  float v = 0.0f;  // 0 is the top row of a texture
};

static_assert(sizeof(MeshVertex) == 36);
static_assert(offsetof(MeshVertex, normal) == 12);
static_assert(offsetof(MeshVertex, diffuse) == 24);
static_assert(offsetof(MeshVertex, u) == 28);
static_assert(offsetof(MeshVertex, v) == 32);
