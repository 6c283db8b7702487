#include "framework/ComboRank.h"

#include <algorithm>
#include <cstdlib>

#include "framework/OptimalSettings.h"

namespace {

int DeviceRank(const ComboCandidate& candidate, const DeviceSettings& optimal) {
  const DeviceCaps& caps = candidate.device.caps;
  int rank = candidate.adapter.ordinal == optimal.adapterOrdinal ? 10000 : 0;
  if (caps.deviceType == optimal.deviceType) rank += 1000;
  if (caps.deviceType == DeviceType::Hardware) rank += 1;
  if (candidate.combo.windowed == optimal.present.windowed) rank += 100;
  return rank;
}

int DesktopFormatRank(const ComboCandidate& candidate) {
  if (candidate.combo.windowed) return 0;
  const SurfaceFormat desktop = DefaultAdapterFormat(candidate.adapter.desktopMode.format, false);
  return candidate.combo.adapterFormat == desktop ? 1 : 0;
}

int VertexProcessingRank(const ComboCandidate& candidate, const DeviceSettings& optimal) {
  if (!candidate.device.caps.hardwareTransformAndLight) return 0;
  return optimal.vertexProcessing != VertexProcessing::Software ? 11 : 1;
}

int FormatRank(const ComboCandidate& candidate, const DeviceSettings& optimal) {
  const DeviceCombo& combo = candidate.combo;
  int rank = FormatCloseness(combo.adapterFormat, optimal.adapterFormat) + DesktopFormatRank(candidate);
  rank += FormatCloseness(combo.backBufferFormat, optimal.present.backBufferFormat);
  if (combo.backBufferFormat == combo.adapterFormat) rank += 1;
  return rank;
}

int DisplayModeRank(const ComboCandidate& candidate, const PresentParameters& optimal) {
  const bool size = candidate.HasDisplayMode([&](const DisplayMode& mode) {
    return mode.width == optimal.backBufferWidth && mode.height == optimal.backBufferHeight;
  });
  const bool refresh = candidate.HasDisplayMode(
      [&](const DisplayMode& mode) { return mode.refreshRate == optimal.fullScreenRefreshRate; });
  return (size ? 10 : 0) + (refresh ? 10 : 0);
}

int OfferRank(const ComboCandidate& candidate, const PresentParameters& optimal) {
  int rank = candidate.OffersMultisample(optimal.multisampleType, optimal.multisampleQuality) ? 10 : 0;
  if (candidate.OffersDepthStencil(optimal.autoDepthStencilFormat)) rank += 10;
  if (candidate.OffersPresentInterval(optimal.presentInterval)) rank += 10;
  return rank;
}

}  // namespace

int FormatCloseness(SurfaceFormat offered, SurfaceFormat optimal) {
  if (offered == optimal) return 10;
  return std::max(0, 9 - 2 * std::abs(ColourChannelBits(offered) - ColourChannelBits(optimal)));
}

int ComboRank(const ComboCandidate& candidate, const DeviceSettings& optimal) {
  return DeviceRank(candidate, optimal) + FormatRank(candidate, optimal) + VertexProcessingRank(candidate, optimal) +
         DisplayModeRank(candidate, optimal.present) + OfferRank(candidate, optimal.present);
}
