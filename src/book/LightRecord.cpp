#include "book/LightRecord.h"

#include <glm/geometric.hpp>

LightRecord LightRecord::PointAt(const glm::vec3& position) {
  LightRecord light;
  light.position = position;
  const float length = glm::length(position);
  if (length > 0) light.direction = position / length;
  return light;
}
