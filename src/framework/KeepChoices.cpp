#include "framework/KeepChoices.h"

#include <algorithm>

namespace {

bool Kept(MatchChoice choice) { return choice == MatchChoice::Keep; }

bool MeetsDeviceKeeps(const ComboCandidate& candidate, const DeviceSettings& optimal, const MatchOptions& options) {
  if (Kept(options.adapterOrdinal) && candidate.adapter.ordinal != optimal.adapterOrdinal) return false;
  if (Kept(options.deviceType) && candidate.device.caps.deviceType != optimal.deviceType) return false;
  if (Kept(options.windowed) && candidate.combo.windowed != optimal.present.windowed) return false;
  return !Kept(options.vertexProcessing) || candidate.OffersVertexProcessing(optimal.vertexProcessing);
}

bool MeetsFormatKeeps(const ComboCandidate& candidate, const DeviceSettings& optimal, const MatchOptions& options) {
  if (Kept(options.adapterFormat) && candidate.combo.adapterFormat != optimal.adapterFormat) return false;
  if (Kept(options.backBufferFormat) && candidate.combo.backBufferFormat != optimal.present.backBufferFormat) {
    return false;
  }
  if (!Kept(options.depthFormat) && !Kept(options.stencilFormat)) return true;
  return std::ranges::any_of(candidate.combo.depthStencilFormats, [&](SurfaceFormat offered) {
    return KeepsDepthStencil(offered, optimal.present.autoDepthStencilFormat, options);
  });
}

bool MeetsDisplayModeKeeps(const ComboCandidate& candidate, const PresentParameters& optimal,
                           const MatchOptions& options) {
  if (candidate.combo.windowed || (!Kept(options.resolution) && !Kept(options.refreshRate))) return true;
  return candidate.HasDisplayMode([&](const DisplayMode& mode) {
    const bool size = mode.width == optimal.backBufferWidth && mode.height == optimal.backBufferHeight;
    const bool refresh = mode.refreshRate == optimal.fullScreenRefreshRate;
    return (size || !Kept(options.resolution)) && (refresh || !Kept(options.refreshRate));
  });
}

bool MeetsPresentKeeps(const ComboCandidate& candidate, const PresentParameters& optimal, const MatchOptions& options) {
  if (Kept(options.multisample) && !candidate.OffersMultisample(optimal.multisampleType, optimal.multisampleQuality)) {
    return false;
  }
  return !Kept(options.presentInterval) || candidate.OffersPresentInterval(optimal.presentInterval);
}

}  // namespace

bool KeepsDepthStencil(SurfaceFormat offered, SurfaceFormat optimal, const MatchOptions& options) {
  if (Kept(options.depthFormat) && DepthBits(offered) != DepthBits(optimal)) return false;
  return !Kept(options.stencilFormat) || StencilBits(offered) == StencilBits(optimal);
}

bool MeetsKeepChoices(const ComboCandidate& candidate, const DeviceSettings& optimal, const MatchOptions& options) {
  return MeetsDeviceKeeps(candidate, optimal, options) && MeetsFormatKeeps(candidate, optimal, options) &&
         MeetsDisplayModeKeeps(candidate, optimal.present, options) &&
         MeetsPresentKeeps(candidate, optimal.present, options);
}
