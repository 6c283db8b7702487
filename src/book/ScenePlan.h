#pragma once

#include <cstddef>
#include <span>
#include <vector>

#include "book/BookFace.h"
#include "book/FaceDraw.h"

// The page faces of a frame in drawing order: the static left face, the static right face, the
// interleaf (only with showInterleaf) and, while a leaf turns, its front and back faces. During
// a page turn the interleaf is drawn on both pages. turnDirection: the page turn's sign (0: none).
std::vector<FaceDraw> PlanPages(int turnDirection, float turnProgress, float leafPosition, bool showInterleaf);

// Every plan starts with the two faces lying open, opaque and drawn over what is below them.
inline constexpr size_t kLyingPageDraws = 2;

// How many faces at the start of a plan stay where they are from frame to frame: all but the
// turning leaf's and an interleaf turning on its own. The moving faces all come last.
size_t StillDrawCount(std::span<const FaceDraw> draws, int turnDirection, int leafDirection);

// The faces casting shadows, in drawing order: the static left face, the turning front face while
// a page turns, the static right face, and the interleaf while it turns and is shown. The turning
// back face has the front face's shape and casts no shadow of its own.
std::vector<BookFace> ShadowCasters(int turnDirection, int leafDirection, bool showInterleaf);

// The one turn direction every face is shaped with in a frame: the interleaf's while it turns,
// else the page turn's.
int FrameTurnDirection(int turnDirection, int leafDirection);
