#pragma once

#include <glm/vec4.hpp>

// The material of lit drawing; colours r, g, b, a in 0..1. power is the specular exponent.
struct Material {
  glm::vec4 diffuse{1.0f};
  glm::vec4 ambient{0.0f};
  glm::vec4 specular{0.0f};
  glm::vec4 emissive{0.0f};
  float power = 0.0f;

  bool operator==(const Material&) const = default;
};
