#include "book/CameraAnimator.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "book/AnimationTiming.h"
#include "settings/Settings.h"

CameraAnimator::CameraAnimator(Settings& settings) : settings_(settings) { SelectView(0, true, 0); }

bool CameraAnimator::IsViewIndex(int index) { return index >= 0 && index < kCameraPresetCount; }

void CameraAnimator::SelectView(int index, bool immediate, uint32_t nowMilliseconds) {
  if (!IsViewIndex(index)) return;
  currentView_ = index;
  start_ = current_;
  target_ = settings_.CameraPresets[index];
  if (immediate) {
    current_ = target_;
    startTime_.reset();
  } else {
    startTime_ = nowMilliseconds;
  }
}

void CameraAnimator::UpdateCamera(uint32_t nowMilliseconds) {
  if (!startTime_) return;
  const float f = MoveFraction(nowMilliseconds);
  const float e = Ease(f);
  // Either test ends the move, so rounding in the easing can never keep it running.
  if (f >= 1.0f || e >= 1.0f) {
    current_ = target_;
    startTime_.reset();
    return;
  }
  current_ = Blend(start_, target_, e);
}

// Time runs through the timer's wrap-around; a time before the start counts as the start.
float CameraAnimator::MoveFraction(uint32_t nowMilliseconds) const {
  const int32_t elapsed = static_cast<int32_t>(nowMilliseconds - *startTime_);
  const uint32_t duration = AnimationTiming::FromSettings(settings_).CameraMoveMilliseconds();
  return std::clamp(static_cast<float>(elapsed) / static_cast<float>(duration), 0.0f, 1.0f);
}

void CameraAnimator::InterpolateViews(int a, int b, float x) {
  if (!IsViewIndex(a) || !IsViewIndex(b)) return;
  currentView_ = b;
  startTime_.reset();
  current_ = Blend(settings_.CameraPresets[a], settings_.CameraPresets[b], Ease(x));
}

float CameraAnimator::Ease(float f) {
  constexpr float kPi = std::numbers::pi_v<float>;
  return (std::sin(f * kPi - kPi / 2) + 1) / 2;
}

// Angles blend component by component, without wrapping, like the positions.
CameraPreset CameraAnimator::Blend(const CameraPreset& from, const CameraPreset& to, float e) {
  const auto a = from.Values();
  const auto b = to.Values();
  std::array<float, CameraPreset::kValueCount> mixed{};
  for (int i = 0; i < CameraPreset::kValueCount; ++i) mixed[i] = a[i] + e * (b[i] - a[i]);
  return CameraPreset::FromValues(mixed);
}

void CameraAnimator::MoveForward(int s) {
  const float step = kMoveStep * static_cast<float>(s);
  current_.x += step * std::sin(current_.yaw) * std::cos(current_.pitch);
  current_.y -= step * std::sin(current_.pitch);
  current_.z += step * std::cos(current_.yaw) * std::cos(current_.pitch);
  StoreCurrentView();
}

void CameraAnimator::Strafe(int s) {
  const float step = kMoveStep * static_cast<float>(s);
  current_.x += step * std::cos(current_.yaw);
  current_.z -= step * std::sin(current_.yaw);
  StoreCurrentView();
}

void CameraAnimator::NudgeYaw(int s) {
  current_.yaw += kAngleStep * static_cast<float>(s);
  StoreCurrentView();
}

void CameraAnimator::NudgePitch(int s) {
  current_.pitch += kAngleStep * static_cast<float>(s);
  StoreCurrentView();
}

// Each direction has its own stop: narrowing a hand-edited value above pi takes one step, as
// does widening one below 0.
void CameraAnimator::NudgeFieldOfView(int s) {
  const float changed = current_.fieldOfView + kFieldOfViewStep * static_cast<float>(s);
  current_.fieldOfView = s > 0 ? std::min(changed, kMaxFieldOfView) : std::max(changed, 0.0f);
  StoreCurrentView();
}

void CameraAnimator::StoreCurrentView() {
  if (IsViewIndex(currentView_)) settings_.CameraPresets[currentView_] = current_;
}
