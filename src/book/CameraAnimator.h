#pragma once

#include <cstdint>
#include <optional>

#include "settings/CameraPreset.h"

class Settings;

// The camera of the book: which of the ten stored views it is on, and the eased move from one
// view to another. The renderer reads current() every frame after UpdateCamera.
//
// The animator keeps a reference to the Settings, whose CameraPresets it reads and writes and
// whose TimeZoom sets the length of a move; the Settings must outlive it. All operations run on
// the user-interface thread. Times are values of the system millisecond timer (SystemMilliseconds),
// passed in by the caller.
class CameraAnimator {
 public:
  static constexpr float kMoveStep = 3.0f;
  static constexpr float kAngleStep = 0.03f;
  static constexpr float kFieldOfViewStep = 0.02f;
  static constexpr float kMaxFieldOfView = 3.1415927f;

  // Starts on view 0, with no move running.
  explicit CameraAnimator(Settings& settings);

  // Makes preset[index] the target. Immediate puts the camera there at once; otherwise a move
  // from the current camera starts at nowMilliseconds. An index outside 0..9 changes nothing.
  void SelectView(int index, bool immediate, uint32_t nowMilliseconds);

  // Advances a running move to nowMilliseconds; call once per rendered frame before the view
  // matrix is built. The move ends exactly on the target.
  void UpdateCamera(uint32_t nowMilliseconds);

  // Puts the camera on the eased blend of preset[a] and preset[b] at fraction x (not clamped) and
  // makes b the current view; the caller drives the camera frame by frame, so a running move is
  // stopped. Either index outside 0..9 changes nothing.
  void InterpolateViews(int a, int b, float x);

  // The nudges of the keyboard; each stores the nudged camera into the current view's preset.
  // s is +1 or -1: forward or backward along the viewing direction, right or left sideways,
  // adding or taking the step from yaw, pitch or the field of view (widening stops at pi,
  // narrowing at 0).
  void MoveForward(int s);
  void Strafe(int s);
  void NudgeYaw(int s);
  void NudgePitch(int s);
  void NudgeFieldOfView(int s);

  // Copies the current camera into the preset of the current view.
  void StoreCurrentView();

  // The blend weight of a move at fraction f of its duration: 0 at 0, 1/2 at 1/2, 1 at 1,
  // slow at both ends.
  static float Ease(float f);

  bool IsMoving() const { return startTime_.has_value(); }
  int currentView() const { return currentView_; }
  const CameraPreset& current() const { return current_; }
  const CameraPreset& start() const { return start_; }
  const CameraPreset& target() const { return target_; }

 private:
  static bool IsViewIndex(int index);
  static CameraPreset Blend(const CameraPreset& from, const CameraPreset& to, float e);
  float MoveFraction(uint32_t nowMilliseconds) const;

  Settings& settings_;
  int currentView_ = 0;
  // Absent while no move runs; a separate flag, so that every timer value is a valid start.
  std::optional<uint32_t> startTime_;
  CameraPreset current_;
  CameraPreset start_;
  CameraPreset target_;
};
