#include "app/OpenSpread.h"

#include "app/SpreadHooks.h"
#include "book/AnimationTiming.h"
#include "book/BookLayout.h"
#include "book/MirroredView.h"

namespace {

constexpr int kFrontView = 0;
bool IsPhotoView(int view) { return view >= 4 && view <= 7; }

}  // namespace

void OpenSpread::FinishTransitions() {
  if (leafDirection != 0) {
    leafPosition = leafDirection > 0 ? FullTurn : 0;
    leafDirection = 0;
  } else if (turnDirection > 0) {
    turnProgress = FullTurn;
    CurrentPage += 2;
    turnDirection = 0;
  } else if (turnDirection < 0) {
    CurrentPage -= 2;
    turnProgress = 0;
    turnDirection = 0;
  }
}

// As FinishTransitions ends a running turn and NextPage starts one.
std::optional<OpenSpread::Expected> OpenSpread::ExpectedNext(int photoCount, bool renderTransparentPage) const {
  if (leafDirection != 0) return Expected{0, turnProgress, 0, leafDirection > 0 ? FullTurn : 0.0f, false};
  if (turnDirection != 0) return Expected{0, turnDirection > 0 ? FullTurn : 0.0f, 0, leafPosition, false};
  if (renderTransparentPage && leafPosition == 0) return Expected{0, turnProgress, +1, 0.0f, false};
  if (CurrentPage == BookLayout::LastPage(photoCount)) return std::nullopt;
  return Expected{+1, 0.0f, 0, renderTransparentPage ? 0.0f : leafPosition, true};
}

void OpenSpread::NextPage(int photoCount, bool renderTransparentPage) {
  if (TransitionRunning()) FinishTransitions();
  if (TransitionRunning()) return;
  if (renderTransparentPage && leafPosition == 0) {
    leafDirection = +1;
    return;
  }
  if (CurrentPage == BookLayout::LastPage(photoCount)) return;
  hooks_.ShiftTexturesForward();
  turnProgress = 0;
  StartTurn(+1, renderTransparentPage);
}

void OpenSpread::PreviousPage(bool renderTransparentPage) {
  if (TransitionRunning()) FinishTransitions();
  if (TransitionRunning()) return;
  if (renderTransparentPage && leafPosition == FullTurn) {
    leafDirection = -1;
    return;
  }
  if (CurrentPage <= 0) return;
  hooks_.ShiftTexturesBackward();
  turnProgress = FullTurn;
  StartTurn(-1, renderTransparentPage);
}

// The interleaf of the spread coming into view lies over its right page after a forward turn and
// turned to the left after a backward one. It is placed once, here: placing it again on every
// frame would undo an interleaf turn that a view key starts during the page turn, and the page
// turn, which waits for it, would never end.
void OpenSpread::StartTurn(int direction, bool renderTransparentPage) {
  turnDirection = direction;
  if (renderTransparentPage) leafPosition = direction > 0 ? 0 : FullTurn;
  selectedPhoto = -1;
  if (IsPhotoView(hooks_.CurrentView())) hooks_.SelectView(kFrontView, true);
}

void OpenSpread::GoToFirstPage() {
  turnProgress = 0;
  CurrentPage = 0;
  turnDirection = 0;
  leafDirection = 0;
  leafPosition = FullTurn;
  hooks_.EmptyTextures();
  hooks_.SelectView(kFrontView, false);
}

void OpenSpread::GoToLastPage(int photoCount) {
  if (turnDirection != 0) return;
  CurrentPage = BookLayout::LastPage(photoCount);
  hooks_.EmptyTextures();
}

void OpenSpread::FrameMove(uint32_t nowMs, int32_t timePageSeconds, int32_t framesRendered) {
  // Unsigned difference: correct across the timer's wrap-around.
  const float step = AnimationTiming(timePageSeconds, 1, 1).PageTurnIncrement(nowMs - lastFrameTime);
  lastFrameTime = nowMs;
  if (leafDirection != 0) {
    AdvanceLeaf(step);
  } else if (turnDirection != 0) {
    AdvanceTurn(step);
  } else if (framesRendered > 0 && !hooks_.CameraMoving()) {
    hooks_.LoadNextTexture();
  }
}

void OpenSpread::AdvanceLeaf(float step) {
  leafPosition += leafDirection > 0 ? step : -step;
  if (leafPosition >= FullTurn || leafPosition <= 0) {
    leafPosition = leafDirection > 0 ? FullTurn : 0;
    leafDirection = 0;
  }
}

void OpenSpread::AdvanceTurn(float step) {
  turnProgress += turnDirection > 0 ? step : -step;
  if (turnDirection > 0 && turnProgress >= FullTurn) {
    turnProgress = FullTurn;
    CurrentPage += 2;
    turnDirection = 0;
  } else if (turnDirection < 0 && turnProgress <= 0) {
    CurrentPage -= 2;
    turnProgress = 0;
    turnDirection = 0;
  }
}

void OpenSpread::ClickPhoto(int index, int presetCode) {
  FinishTransitions();
  if (index == selectedPhoto) {
    selectedPhoto = -1;
    hooks_.SelectView(kFrontView, true);
    return;
  }
  TurnLeafAwayFrom(presetCode);
  selectedPhoto = index;
  hooks_.SelectView(presetCode, true);
}

void OpenSpread::SelectViewByKey(int view) {
  hooks_.SelectView(view, true);
  TurnLeafAwayFrom(view);
}

// The interleaf's position counts from the spread's later page to its earlier one, which in a
// right-to-left book lie left and right of the camera: the view is taken back to the book's own side.
void OpenSpread::TurnLeafAwayFrom(int presetCode) {
  const int view = hooks_.RightToLeft() ? MirroredView(presetCode) : presetCode;
  if ((view == 4 || view == 5) && leafPosition > 0) leafDirection = -1;
  if ((view == 6 || view == 7) && leafPosition == 0) leafDirection = +1;
}
