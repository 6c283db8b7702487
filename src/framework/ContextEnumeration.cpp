#include "framework/ContextEnumeration.h"

#include <algorithm>
#include <vector>

#include "framework/AcceptableCombos.h"
#include "framework/ContextFormats.h"

namespace {

constexpr int kMostSamples = 16;

template <typename Bits, typename Map>
std::vector<SurfaceFormat> KnownFormats(const std::vector<Bits>& buffers, Map map) {
  std::vector<SurfaceFormat> formats;
  for (const Bits& bits : buffers) {
    const SurfaceFormat format = map(bits);
    if (format != SurfaceFormat::Unknown && std::ranges::find(formats, format) == formats.end()) {
      formats.push_back(format);
    }
  }
  return formats;
}

std::vector<MultisampleOption> MultisampleOptions(std::vector<int> counts) {
  std::ranges::sort(counts);
  std::vector<MultisampleOption> options{{MultisampleType::None, 1}};
  for (int count : counts) {
    if (count < 2 || count > kMostSamples) continue;
    const auto type = static_cast<MultisampleType>(count);
    if (options.back().type != type) options.push_back({type, 1});
  }
  return options;
}

std::vector<PresentInterval> PresentIntervals(bool immediateSwap) {
  std::vector<PresentInterval> intervals{PresentInterval::Default, PresentInterval::One};
  if (immediateSwap) intervals.push_back(PresentInterval::Immediate);
  return intervals;
}

// The pair every colour format makes with the screen's format; only the back-buffer format and
// the windowed flag differ between them.
DeviceCombo ComboTemplate(const ContextOffer& offer, SurfaceFormat screenFormat) {
  DeviceCombo combo;
  combo.adapterFormat = screenFormat;
  combo.depthStencilFormats = KnownFormats(offer.depthStencilBuffers, DepthStencilFormatOf);
  combo.multisampleOptions = MultisampleOptions(offer.sampleCounts);
  combo.presentIntervals = PresentIntervals(offer.immediateSwap);
  combo.vertexProcessings = {VertexProcessing::PureHardware, VertexProcessing::Hardware, VertexProcessing::Mixed,
                             VertexProcessing::Software};
  return combo;
}

EnumeratedDevice Device(const ContextOffer& offer, SurfaceFormat screenFormat,
                        const std::vector<SurfaceFormat>& colourFormats) {
  EnumeratedDevice device;
  device.caps = {0, DeviceType::Hardware, true};
  DeviceCombo combo = ComboTemplate(offer, screenFormat);
  for (bool windowed : {true, false}) {
    combo.windowed = windowed;
    for (SurfaceFormat colour : colourFormats) {
      combo.backBufferFormat = colour;
      device.combos.push_back(combo);
    }
  }
  return device;
}

FormatSupport Facts(SurfaceFormat screenFormat, const std::vector<SurfaceFormat>& colourFormats,
                    const std::vector<SurfaceFormat>& depthStencilFormats) {
  FormatSupport support;
  const auto add = [&](FormatUse use, SurfaceFormat format, SurfaceFormat depthStencil = SurfaceFormat::Unknown) {
    support.Add({0, DeviceType::Hardware, screenFormat, use, format, depthStencil});
  };
  for (SurfaceFormat colour : colourFormats) {
    for (FormatUse use : {FormatUse::BlendingTexture, FormatUse::BlendingRenderTarget, FormatUse::RenderTarget}) {
      add(use, colour);
    }
    for (SurfaceFormat depthStencil : depthStencilFormats) add(FormatUse::DepthStencilMatch, colour, depthStencil);
  }
  for (SurfaceFormat depthStencil : depthStencilFormats) add(FormatUse::DepthStencil, depthStencil);
  return support;
}

EnumeratedAdapter Adapter(const ContextOffer& offer, SurfaceFormat screenFormat,
                          const std::vector<SurfaceFormat>& colourFormats) {
  EnumeratedAdapter adapter;
  adapter.description = offer.renderer;
  adapter.desktopMode = {offer.screenWidth, offer.screenHeight, offer.screenRefreshRate, screenFormat};
  adapter.displayModes = {adapter.desktopMode};
  adapter.devices = {Device(offer, screenFormat, colourFormats)};
  return adapter;
}

}  // namespace

DeviceEnumeration EnumerateContext(const ContextOffer& offer, const DeviceCallbacks& callbacks) {
  const SurfaceFormat screenFormat = ScreenFormatOf(offer.screenDepth);
  const std::vector<SurfaceFormat> colourFormats = KnownFormats(offer.colourBuffers, ColourFormatOf);
  DeviceEnumeration enumeration;
  enumeration.adapters = {Adapter(offer, screenFormat, colourFormats)};
  enumeration.formats =
      Facts(screenFormat, colourFormats, KnownFormats(offer.depthStencilBuffers, DepthStencilFormatOf));
  RemoveUnacceptableCombos(enumeration, callbacks);
  return enumeration;
}
