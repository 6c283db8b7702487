#pragma once

#include <array>
#include <glm/vec2.hpp>

#include "book/PageMeshGrid.h"

// One point of a page's cross-section: resting position (x across the page, y up), its distance r
// from the spine and its angle theta from +y towards +x.
struct ProfilePoint {
  float x = 0.0f;
  float y = 0.0f;
  float r = 0.0f;
  float theta = 0.0f;
};

// The cross-section of a resting page, one point per grid column, spine first.
using PageProfile = std::array<ProfilePoint, kPageColumns>;

// A resting page is not flat: it bulges near the spine and climbs gently towards its outer edge.
PageProfile RestingProfile();

// Cross-section position (x, y) of a profile point when its part of the leaf has turned by the
// fraction t: 0 at rest on the right, 0.5 upright over the spine, 1 mirrored onto the left.
// t is clamped to [0, 1].
glm::vec2 TurnedPoint(const ProfilePoint& point, float t);
