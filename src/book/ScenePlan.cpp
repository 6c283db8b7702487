#include "book/ScenePlan.h"

#include "book/FullTurn.h"

namespace {

void AddInterleaf(std::vector<FaceDraw>& draws, int turnDirection, float leafPosition) {
  if (turnDirection == 0) {
    draws.push_back({BookFace::Interleaf, leafPosition});
    return;
  }
  // The sheet of the spread going away and that of the spread coming into view.
  draws.push_back({BookFace::Interleaf, FullTurn});
  draws.push_back({BookFace::Interleaf, 0.0f});
}

}  // namespace

std::vector<FaceDraw> PlanPages(int turnDirection, float turnProgress, float leafPosition, bool showInterleaf) {
  const bool forward = turnDirection > 0;
  const bool backward = turnDirection < 0;
  std::vector<FaceDraw> draws;
  draws.push_back({BookFace::LeftStatic, FullTurn, forward ? 0 : 4, forward ? 1 : 5});
  draws.push_back({BookFace::RightStatic, 0.0f, backward ? 10 : 6, backward ? 11 : 7});
  if (showInterleaf) AddInterleaf(draws, turnDirection, leafPosition);
  if (turnDirection == 0) return draws;
  draws.push_back({BookFace::TurningFront, turnProgress, forward ? 2 : 6, forward ? 3 : 7});
  draws.push_back({BookFace::TurningBack, turnProgress, forward ? 4 : 8, forward ? 5 : 9});
  return draws;
}

size_t StillDrawCount(std::span<const FaceDraw> draws, int turnDirection, int leafDirection) {
  // During a page turn the interleaf lies still on both pages.
  const auto moves = [&](const FaceDraw& draw) {
    if (draw.face == BookFace::Interleaf) return turnDirection == 0 && leafDirection != 0;
    return draw.face == BookFace::TurningFront || draw.face == BookFace::TurningBack;
  };
  size_t still = 0;
  while (still < draws.size() && !moves(draws[still])) ++still;
  return still;
}

std::vector<BookFace> ShadowCasters(int turnDirection, int leafDirection, bool showInterleaf) {
  std::vector<BookFace> casters{BookFace::LeftStatic};
  if (turnDirection != 0) casters.push_back(BookFace::TurningFront);
  casters.push_back(BookFace::RightStatic);
  if (showInterleaf && leafDirection != 0) casters.push_back(BookFace::Interleaf);
  return casters;
}

int FrameTurnDirection(int turnDirection, int leafDirection) {
  return leafDirection != 0 ? leafDirection : turnDirection;
}
