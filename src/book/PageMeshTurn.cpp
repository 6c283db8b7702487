#include "book/PageMeshTurn.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "book/FullTurn.h"
#include "book/PageMeshGrid.h"

float EaseProgress(float progress) {
  if (!(progress > 0.0f)) return 0.0f;
  if (progress >= FullTurn) return FullTurn;
  constexpr float kPi = std::numbers::pi_v<float>;
  return FullTurn * (std::sin(kPi * progress / FullTurn - kPi / 2) + 1.0f) / 2.0f;
}

float LocalLag(int column, int row, float progress, int direction) {
  constexpr int kLastColumn = kPageColumns - 1;
  constexpr int kLastRow = kPageRows - 1;
  if (direction == kTurnForward)
    return 0.005f * row + 0.004f * (kLastColumn - column) * (FullTurn - progress / FullTurn);
  if (direction == kTurnBackward) return 0.005f * (kLastRow - row) + 0.004f * column * (progress / FullTurn);
  return 0.0f;
}

float TurnFraction(int column, int row, float progress, int direction) {
  return std::clamp(progress - LocalLag(column, row, progress, direction), 0.0f, 1.0f);
}
