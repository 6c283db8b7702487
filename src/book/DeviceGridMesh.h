#pragma once

#include <memory>
#include <span>

#include "book/GridMesh.h"
#include "book/SceneVertex.h"
#include "platform/gfx/GraphicsDevice.h"

// The device mesh holding a grid mesh's vertices and triangles; nullptr when the device cannot
// make it (lost, or the grid is not a valid mesh). Owned by the caller.
std::unique_ptr<Mesh> CreateDeviceMesh(GraphicsDevice& device, const GridMesh& grid);

// Whether the device mesh holds exactly these vertices, uploaded.
bool MeshHoldsVertices(const Mesh& mesh, std::span<const SceneVertex> vertices);

// Copies vertices into the device mesh, which must hold exactly as many; false otherwise or when
// the upload failed. A mesh that holds them already is left alone, its version with it.
bool UploadSceneVertices(Mesh& mesh, std::span<const SceneVertex> vertices);
