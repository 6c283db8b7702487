#pragma once

#include <cstddef>
#include <cstdint>
#include <glm/vec3.hpp>

// The one vertex format of every scene mesh. The layout is what the renderer's vertex buffers
// expect byte for byte, so fields and order must not change.
struct SceneVertex {
  glm::vec3 position{0.0f};
  glm::vec3 normal{0.0f};
  uint32_t diffuse = 0;  // ARGB, alpha in the top byte
  float u = 0.0f;
  float v = 0.0f;
};

static_assert(sizeof(SceneVertex) == 36);
static_assert(offsetof(SceneVertex, normal) == 12);
static_assert(offsetof(SceneVertex, diffuse) == 24);
static_assert(offsetof(SceneVertex, u) == 28);
static_assert(offsetof(SceneVertex, v) == 32);

// Flexible-vertex-format code of the layout above: position, normal, diffuse, one texture pair.
inline constexpr uint32_t kSceneVertexFormat = 0x152;

inline constexpr uint32_t kOpaqueWhite = 0xFFFFFFFFu;
// The interleaf is a half-transparent sheet.
inline constexpr uint32_t kInterleafWhite = 0x80FFFFFFu;
