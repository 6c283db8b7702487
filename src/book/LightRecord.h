#pragma once

#include <glm/vec3.hpp>
#include <glm/vec4.hpp>

// The one light handed to the device (light 0, enabled): a white point light that does not fade
// with distance. Colours are r, g, b, a.
struct LightRecord {
  enum class Type { Point = 1, Spot = 2, Directional = 3 };

  Type type = Type::Point;
  glm::vec4 diffuse{1, 1, 1, 0};
  glm::vec4 specular{1, 1, 1, 1};
  glm::vec4 ambient{0, 0, 0, 0};
  glm::vec3 position{0, 0, 0};
  glm::vec3 direction{0, 0, 1};
  float range = 10000;
  float falloff = 1;
  float attenuation0 = 1;
  float attenuation1 = 0;
  float attenuation2 = 0;
  float theta = 0;  // no cone
  float phi = 0;

  // The record for a light at position; its direction is the normalized position (+z for a
  // light at the origin, which has no direction of its own).
  static LightRecord PointAt(const glm::vec3& position);
};
