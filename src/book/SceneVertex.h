#pragma once

#include <cstdint>

#include "platform/gfx/MeshVertex.h"

// The one vertex format of every scene mesh: the device's mesh vertex, so page, photo and floor
// vertices go into vertex buffers as they are.
using SceneVertex = MeshVertex;

// Flexible-vertex-format code of the layout above: position, normal, diffuse, one texture pair.
inline constexpr uint32_t kSceneVertexFormat = 0x152;

inline constexpr uint32_t kOpaqueWhite = 0xFFFFFFFFu;
// The interleaf is a half-transparent sheet.
inline constexpr uint32_t kInterleafWhite = 0x80FFFFFFu;
