#include "framework/OptimalSettings.h"

namespace {

bool Wanted(MatchChoice choice) { return choice != MatchChoice::Ignore; }

template <typename T>
T Choose(MatchChoice choice, T wanted, T fallback) {
  return Wanted(choice) ? wanted : fallback;
}

DisplayMode DesktopOf(const DeviceEnumeration& enumeration, uint32_t adapterOrdinal) {
  const EnumeratedAdapter* adapter = enumeration.FindAdapter(adapterOrdinal);
  return adapter != nullptr ? adapter->desktopMode : DisplayMode{};
}

void ChooseDevice(const DeviceSettings& wanted, const MatchOptions& options, DeviceSettings& optimal) {
  optimal.adapterOrdinal = Choose(options.adapterOrdinal, wanted.adapterOrdinal, 0u);
  optimal.deviceType = Choose(options.deviceType, wanted.deviceType, DeviceType::Hardware);
  optimal.present.windowed = Choose(options.windowed, wanted.present.windowed, true);
  optimal.vertexProcessing = Choose(options.vertexProcessing, wanted.vertexProcessing, VertexProcessing::Hardware);
  optimal.creationFlags = Choose(options.vertexProcessing, wanted.creationFlags, 0u);
}

void ChooseResolution(const DeviceSettings& wanted, const MatchOptions& options, const DisplayMode& desktop,
                      PresentParameters& present) {
  if (Wanted(options.resolution)) {
    present.backBufferWidth = wanted.present.backBufferWidth;
    present.backBufferHeight = wanted.present.backBufferHeight;
  } else {
    present.backBufferWidth = present.windowed ? 640 : desktop.width;
    present.backBufferHeight = present.windowed ? 480 : desktop.height;
  }
}

void ChooseBuffers(const PresentParameters& wanted, const MatchOptions& options, SurfaceFormat adapterFormat,
                   PresentParameters& present) {
  present.backBufferFormat = Choose(options.backBufferFormat, wanted.backBufferFormat, adapterFormat);
  present.backBufferCount = Choose(options.backBufferCount, wanted.backBufferCount, 1u);
  present.multisampleType = Choose(options.multisample, wanted.multisampleType, MultisampleType::None);
  present.multisampleQuality = Choose(options.multisample, wanted.multisampleQuality, 0u);
  present.swapEffect = Choose(options.swapEffect, wanted.swapEffect, SwapEffect::Discard);
  const bool depthWanted = Wanted(options.depthFormat) || Wanted(options.stencilFormat);
  present.autoDepthStencilFormat =
      depthWanted ? wanted.autoDepthStencilFormat : DefaultDepthStencilFormat(present.backBufferFormat);
}

void ChoosePresentation(const PresentParameters& wanted, const MatchOptions& options, PresentParameters& present) {
  present.flags = Choose(options.presentFlags, wanted.flags, PresentParameters::kDiscardDepthStencil);
  present.fullScreenRefreshRate = Choose(options.refreshRate, wanted.fullScreenRefreshRate, 0u);
  present.presentInterval = Choose(options.presentInterval, wanted.presentInterval, PresentInterval::Default);
  present.deviceWindow = wanted.deviceWindow;
  present.enableAutoDepthStencil = true;
}

}  // namespace

SurfaceFormat DefaultAdapterFormat(SurfaceFormat desktopFormat, bool windowed) {
  if (windowed || ColourChannelBits(desktopFormat) > 7) return desktopFormat;
  return SurfaceFormat::X8R8G8B8;
}

SurfaceFormat DefaultDepthStencilFormat(SurfaceFormat backBufferFormat) {
  return ColourChannelBits(backBufferFormat) < 8 ? SurfaceFormat::D16 : SurfaceFormat::D32;
}

DeviceSettings OptimalSettings(const DeviceSettings& wanted, const MatchOptions& options,
                               const DeviceEnumeration& enumeration) {
  DeviceSettings optimal;
  ChooseDevice(wanted, options, optimal);
  const DisplayMode desktop = DesktopOf(enumeration, optimal.adapterOrdinal);
  optimal.adapterFormat = Choose(options.adapterFormat, wanted.adapterFormat,
                                 DefaultAdapterFormat(desktop.format, optimal.present.windowed));
  ChooseResolution(wanted, options, desktop, optimal.present);
  ChooseBuffers(wanted.present, options, optimal.adapterFormat, optimal.present);
  ChoosePresentation(wanted.present, options, optimal.present);
  return optimal;
}
