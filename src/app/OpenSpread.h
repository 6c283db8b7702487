#pragma once

#include <optional>

#include <cstdint>

#include "book/FullTurn.h"

class SpreadHooks;

// The state machine of the open spread: which spread lies open, the leaf turning over it,
// the transparent interleaf, and the selected photo. Driven by menu commands, keys, clicks and
// elapsed time; lives in the application object, user-interface thread only.
//
// A page turn and an interleaf turn can both be recorded; the interleaf always runs first and
// the page turn waits for it.
class OpenSpread {
 public:
  explicit OpenSpread(SpreadHooks& hooks) : hooks_(hooks) {}

  bool TransitionRunning() const { return turnDirection != 0 || leafDirection != 0; }

  // Finishes one running transition at once: the interleaf's if it runs, else the page's.
  void FinishTransitions();
  // A page turn started with the interleaf shown puts the coming spread's interleaf where the
  // turn leaves it: over the right page after a forward turn, turned left after a backward one.
  void NextPage(int photoCount, bool renderTransparentPage);
  void PreviousPage(bool renderTransparentPage);
  // First spread, interleaf turned to the left, texture window emptied, camera on the front view.
  void GoToFirstPage();
  void GoToLastPage(int photoCount);

  // Advances whatever runs by the time since the previous call (nowMs: system milliseconds),
  // clamped to 1..100 ms; a full turn takes timePageSeconds (clamped to 1..20). When nothing
  // runs and the camera is still, one photo texture is loaded instead; never before the
  // first frame was drawn.
  void FrameMove(uint32_t nowMs, int32_t timePageSeconds, int32_t framesRendered);

  // A left click on photo index whose close-up view is presetCode (4..7): selects it and turns
  // the interleaf away from its side; a click on the selected photo returns to the front view.
  void ClickPhoto(int index, int presetCode);
  // The view keys F1-F8 and F11: the close-up views 4..7 turn the interleaf away from the
  // photo's side, without finishing any transition or selecting a photo.
  void SelectViewByKey(int view);

  // The turn state of the frame expected to come, whose still part can be prepared ahead: while
  // a turn runs, the rest after it; at rest, what the next page key starts (the interleaf's turn,
  // or a forward page turn, which moves the texture window on by a spread). None on the last
  // page at rest.
  struct Expected {
    int turnDirection = 0;
    float turnProgress = 0;
    int leafDirection = 0;
    float leafPosition = 0;
    bool movesTextures = false;
  };
  std::optional<Expected> ExpectedNext(int photoCount, bool renderTransparentPage) const;

  int32_t CurrentPage = 0;
  int32_t turnDirection = 0;
  float turnProgress = 0;
  int32_t leafDirection = 0;
  float leafPosition = FullTurn;
  int32_t selectedPhoto = -1;
  uint32_t lastFrameTime = 0;

 private:
  void StartTurn(int direction, bool renderTransparentPage);
  void AdvanceLeaf(float step);
  void AdvanceTurn(float step);
  void TurnLeafAwayFrom(int presetCode);

  SpreadHooks& hooks_;
};
