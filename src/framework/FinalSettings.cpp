#include "framework/FinalSettings.h"

#include <algorithm>
#include <cstdlib>
#include <limits>
#include <optional>

#include "framework/KeepChoices.h"

namespace {

int64_t Distance(uint32_t a, uint32_t b) { return std::llabs(static_cast<int64_t>(a) - static_cast<int64_t>(b)); }

// The first element of a list with the smallest distance, or none for an empty list.
template <typename List, typename Measure>
auto Nearest(const List& list, Measure distance) -> std::optional<typename List::value_type> {
  std::optional<typename List::value_type> best;
  int64_t bestDistance = std::numeric_limits<int64_t>::max();
  for (const auto& element : list) {
    const int64_t d = distance(element);
    if (d < bestDistance) {
      best = element;
      bestDistance = d;
    }
  }
  return best;
}

std::optional<DisplayMode> ClosestDisplayMode(const ComboCandidate& candidate, const PresentParameters& optimal,
                                              bool refreshMatters) {
  std::vector<DisplayMode> modes;
  for (const DisplayMode& mode : candidate.adapter.displayModes) {
    if (mode.format == candidate.combo.adapterFormat) modes.push_back(mode);
  }
  return Nearest(modes, [&](const DisplayMode& mode) {
    const int64_t size =
        Distance(mode.width, optimal.backBufferWidth) + Distance(mode.height, optimal.backBufferHeight);
    return size * 1000 +
           (refreshMatters ? std::min<int64_t>(Distance(mode.refreshRate, optimal.fullScreenRefreshRate), 999) : 0);
  });
}

void ChooseFullScreenMode(const ComboCandidate& candidate, const MatchOptions& options, PresentParameters& present) {
  const bool refreshMatters = options.refreshRate != MatchChoice::Ignore;
  const std::optional<DisplayMode> mode = ClosestDisplayMode(candidate, present, refreshMatters);
  const DisplayMode chosen = mode.value_or(candidate.adapter.desktopMode);
  present.backBufferWidth = chosen.width;
  present.backBufferHeight = chosen.height;
  present.fullScreenRefreshRate = refreshMatters && mode ? chosen.refreshRate : 0;
}

SurfaceFormat NearestDepthStencil(const ComboCandidate& candidate, SurfaceFormat optimal, const MatchOptions& options) {
  if (candidate.OffersDepthStencil(optimal)) return optimal;
  std::vector<SurfaceFormat> kept;
  std::ranges::copy_if(candidate.combo.depthStencilFormats, std::back_inserter(kept),
                       [&](SurfaceFormat offered) { return KeepsDepthStencil(offered, optimal, options); });
  const auto nearest = Nearest(kept, [&](SurfaceFormat offered) {
    return std::abs(DepthBits(offered) - DepthBits(optimal)) * 100 +
           std::abs(StencilBits(offered) - StencilBits(optimal));
  });
  return nearest.value_or(optimal);
}

void ChooseMultisample(const ComboCandidate& candidate, PresentParameters& present) {
  if (candidate.OffersMultisample(present.multisampleType, present.multisampleQuality)) return;
  const auto nearest = Nearest(candidate.combo.multisampleOptions, [&](const MultisampleOption& option) {
    return Distance(static_cast<uint32_t>(option.type), static_cast<uint32_t>(present.multisampleType));
  });
  if (!nearest || nearest->qualityLevels == 0) return;
  present.multisampleType = nearest->type;
  present.multisampleQuality = std::min(present.multisampleQuality, nearest->qualityLevels - 1);
}

PresentInterval NearestPresentInterval(const ComboCandidate& candidate, PresentInterval optimal) {
  if (candidate.OffersPresentInterval(optimal)) return optimal;
  // Default and One both wait for one retrace, so each stands in for the other.
  if (optimal == PresentInterval::Default && candidate.OffersPresentInterval(PresentInterval::One)) {
    return PresentInterval::One;
  }
  if (optimal == PresentInterval::One && candidate.OffersPresentInterval(PresentInterval::Default)) {
    return PresentInterval::Default;
  }
  const auto& offered = candidate.combo.presentIntervals;
  return offered.empty() ? optimal : offered.front();
}

VertexProcessing NearestVertexProcessing(const ComboCandidate& candidate, VertexProcessing optimal) {
  if (candidate.OffersVertexProcessing(optimal)) return optimal;
  const auto& offered = candidate.combo.vertexProcessings;
  return offered.empty() ? VertexProcessing::Software : offered.front();
}

}  // namespace

DeviceSettings FinalSettings(const ComboCandidate& candidate, const DeviceSettings& optimal,
                             const MatchOptions& options) {
  DeviceSettings settings = optimal;
  settings.adapterOrdinal = candidate.adapter.ordinal;
  settings.deviceType = candidate.device.caps.deviceType;
  settings.adapterFormat = candidate.combo.adapterFormat;
  settings.vertexProcessing = NearestVertexProcessing(candidate, optimal.vertexProcessing);
  PresentParameters& present = settings.present;
  present.backBufferFormat = candidate.combo.backBufferFormat;
  present.windowed = candidate.combo.windowed;
  if (present.windowed) present.fullScreenRefreshRate = 0;
  if (!present.windowed) ChooseFullScreenMode(candidate, options, present);
  present.autoDepthStencilFormat = NearestDepthStencil(candidate, optimal.present.autoDepthStencilFormat, options);
  ChooseMultisample(candidate, present);
  present.presentInterval = NearestPresentInterval(candidate, optimal.present.presentInterval);
  return settings;
}
