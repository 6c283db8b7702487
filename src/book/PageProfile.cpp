#include "book/PageProfile.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

ProfilePoint RestingPoint(int b) {
  const float d = static_cast<float>(b) / kPageColumns;
  ProfilePoint point;
  point.x = 100.0f * b / kPageColumns;
  point.y = 5.0f * d + 10.0f * (1.0f - std::sqrt(d)) * std::sin(2.0f * std::numbers::pi_v<float> * b / kPageColumns);
  point.r = std::sqrt(point.x * point.x + point.y * point.y);
  point.theta = std::atan2(point.x, point.y);
  return point;
}

}  // namespace

PageProfile RestingProfile() {
  PageProfile profile;
  for (int b = 0; b < kPageColumns; ++b) profile[b] = RestingPoint(b);
  return profile;
}

glm::vec2 TurnedPoint(const ProfilePoint& point, float t) {
  const float phi = point.theta * (1.0f - 2.0f * std::clamp(t, 0.0f, 1.0f));
  return {point.r * std::sin(phi), point.r * std::cos(phi)};
}
