#pragma once

#include <glm/vec3.hpp>
#include <glm/vec4.hpp>

// Light 0 of the device: a point light in world space. Colours are r, g, b, a in 0..1. The light
// reaches points up to range away, weakened by 1 / (attenuation0 + attenuation1 d + attenuation2 d^2).
// direction and falloff belong to spot lights and are only kept.
struct PointLight {
  glm::vec3 position{0.0f};
  glm::vec3 direction{0.0f, 0.0f, 1.0f};
  glm::vec4 diffuse{1.0f, 1.0f, 1.0f, 0.0f};
  glm::vec4 specular{0.0f};
  glm::vec4 ambient{0.0f};
  float range = 10000.0f;
  float falloff = 1.0f;
  float attenuation0 = 1.0f;
  float attenuation1 = 0.0f;
  float attenuation2 = 0.0f;
  bool enabled = false;

  bool operator==(const PointLight&) const = default;
};
