#include "book/LightPreset.h"

glm::vec3 LightPresetPosition(LightPreset preset) {
  switch (preset) {
    case LightPreset::Right:
      return {200, 200, 50};
    case LightPreset::Top:
      return {0, 300, 100};
    case LightPreset::Front:
      return {0, 100, -100};
    case LightPreset::Left:
      break;
  }
  return {-200, 200, 50};
}
