#include "book/ShowcaseSequence.h"

#include <array>

namespace {

using Action = ShowcasePhase::Action;
using Length = ShowcasePhase::Length;

constexpr std::array<ShowcasePhase, ShowcaseSequence::kPhaseCount> kPhases{{
    {Action::TurnPage, 0, 0, Length::Page},
    {Action::Hold, 0, 0, Length::View},
    {Action::MoveCamera, 0, 4, Length::Zoom},
    {Action::Hold, 4, 4, Length::View},
    {Action::MoveCamera, 4, 2, Length::Zoom},
    {Action::MoveCamera, 2, 5, Length::Zoom},
    {Action::Hold, 5, 5, Length::View},
    {Action::MoveCamera, 5, 0, Length::Zoom},
    {Action::TurnInterleaf, 0, 0, Length::Page},
    {Action::MoveCamera, 0, 6, Length::Zoom},
    {Action::Hold, 6, 6, Length::View},
    {Action::MoveCamera, 6, 3, Length::Zoom},
    {Action::MoveCamera, 3, 7, Length::Zoom},
    {Action::Hold, 7, 7, Length::View},
    {Action::MoveCamera, 7, 0, Length::Zoom},
}};

}  // namespace

std::optional<ShowcasePhase> ShowcaseSequence::Phase(int index) {
  if (index < 0 || index >= kPhaseCount) return std::nullopt;
  return kPhases[index];
}

int32_t ShowcaseSequence::Seconds(ShowcasePhase::Length length) const {
  switch (length) {
    case Length::Page:
      return timing_.pageSeconds();
    case Length::Zoom:
      return timing_.zoomSeconds();
    case Length::View:
      break;
  }
  return timing_.viewSeconds();
}

int32_t ShowcaseSequence::PhaseSeconds(int index) const {
  const std::optional<ShowcasePhase> phase = Phase(index);
  return phase ? Seconds(phase->length) : 0;
}

int32_t ShowcaseSequence::PhaseFrames(int index, float fps) const {
  return static_cast<int32_t>(static_cast<float>(PhaseSeconds(index)) * fps);
}

int32_t ShowcaseSequence::SpreadSeconds() const {
  return 2 * timing_.pageSeconds() + 8 * timing_.zoomSeconds() + 5 * timing_.viewSeconds();
}

// The export starts at phase 8 of the first spread, so the right-hand photos (index mod 4 = 0
// and 1) come first and the left-hand ones of the next spread after them.
int32_t ShowcaseSequence::PhotoEffectOffset(int photoIndex) const {
  if (photoIndex < 0) return 0;
  const int32_t p = timing_.pageSeconds();
  const int32_t z = timing_.zoomSeconds();
  const int32_t v = timing_.viewSeconds();
  const std::array<int32_t, 4> inSpread{z + p, p + 3 * z + v, 2 * p + 5 * z + 3 * v, 2 * p + 7 * z + 4 * v};
  return inSpread[photoIndex % 4] + (photoIndex / 4) * SpreadSeconds();
}

float ShowcaseSequence::PhotoEffectTime(int photoIndex, float exportSeconds) const {
  const float offset = static_cast<float>(PhotoEffectOffset(photoIndex));
  const float hold = static_cast<float>(timing_.viewSeconds());
  if (exportSeconds < offset) return 0.0f;
  return exportSeconds <= offset + hold ? exportSeconds - offset : hold;
}
