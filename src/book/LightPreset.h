#pragma once

#include <glm/vec3.hpp>

// The four positions of the point light, in the order of the Light menu and the keys 1 to 4.
enum class LightPreset { Left = 0, Right = 1, Top = 2, Front = 3 };

inline constexpr int kLightPresetCount = 4;

// World position of the light for a preset; Left is also where the light starts.
glm::vec3 LightPresetPosition(LightPreset preset);
