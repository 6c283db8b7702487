#pragma once

#include <optional>

#include "book/GridMesh.h"

// One flat half of the cover: 20 x 10 vertices rising from the spine in a shallow V, overhanging
// the pages, normals up. right: the half under the right page (x >= 0), else the left one.
std::optional<GridMesh> BuildCoverHalf(bool right);

// The floor under the book: 30 x 30 vertices, 500 x 500 units, centred under the pages.
std::optional<GridMesh> BuildFloor();
