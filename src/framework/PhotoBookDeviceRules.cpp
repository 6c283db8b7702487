#include "framework/PhotoBookDeviceRules.h"

#include <string>
#include <utility>

#include "platform/sys/DebugOutput.h"
#include "platform/sys/StringConvert.h"

namespace {

bool Supports(const FormatSupport& formats, const DeviceFormats& device, FormatUse use, SurfaceFormat format,
              SurfaceFormat depthStencil = SurfaceFormat::Unknown) {
  return formats.Supports({device.adapterOrdinal, device.deviceType, device.adapterFormat, use, format, depthStencil});
}

bool IsAcceptedBackBuffer(SurfaceFormat format) {
  return format == SurfaceFormat::X8R8G8B8 || format == SurfaceFormat::A8R8G8B8;
}

void WriteBackBufferLine(const PresentParameters& present) {
  const std::string line = "New Backbuffer: " + std::to_string(present.backBufferWidth) + " x " +
                           std::to_string(present.backBufferHeight) + " pixels\n";
  DebugOutput(WidenLatin1(line));
}

}  // namespace

PhotoBookDeviceRules::PhotoBookDeviceRules(std::function<ClientSizeState()> clientSize)
    : clientSize_(std::move(clientSize)) {}

bool PhotoBookDeviceRules::IsDeviceAcceptable(const DeviceCaps& caps, const FormatSupport& formats,
                                              SurfaceFormat adapterFormat, SurfaceFormat backBufferFormat, bool) {
  if (!IsAcceptedBackBuffer(backBufferFormat)) return false;
  const DeviceFormats device{caps.adapterOrdinal, caps.deviceType, adapterFormat, backBufferFormat};
  if (!Supports(formats, device, FormatUse::BlendingTexture, backBufferFormat)) return false;
  if (!Supports(formats, device, FormatUse::BlendingRenderTarget, backBufferFormat)) return false;
  return FirstPassingDepthStencil(formats, device, kAcceptedDepthStencils) != SurfaceFormat::Unknown;
}

bool PhotoBookDeviceRules::ModifyDeviceSettings(DeviceSettings& settings, const FormatSupport& formats) const {
  PresentParameters& present = settings.present;
  const DeviceFormats device{settings.adapterOrdinal, settings.deviceType, settings.adapterFormat,
                             present.backBufferFormat};
  const SurfaceFormat depthStencil = FirstPassingDepthStencil(formats, device, kChosenDepthStencils);
  if (depthStencil != SurfaceFormat::Unknown) present.autoDepthStencilFormat = depthStencil;
  if (present.windowed && clientSize_) ApplyBackBufferSize(clientSize_(), present);
  present.backBufferCount = 1;
  present.swapEffect = SwapEffect::Copy;
  WriteBackBufferLine(present);
  return true;
}

DeviceCallbacks PhotoBookDeviceRules::Callbacks() const {
  DeviceCallbacks callbacks;
  callbacks.isDeviceAcceptable = &PhotoBookDeviceRules::IsDeviceAcceptable;
  callbacks.modifyDeviceSettings = [this](DeviceSettings& settings, const FormatSupport& formats) {
    return ModifyDeviceSettings(settings, formats);
  };
  return callbacks;
}

bool PhotoBookDeviceRules::PassesDepthStencilTests(const FormatSupport& formats, const DeviceFormats& device,
                                                   SurfaceFormat depthStencil) {
  return Supports(formats, device, FormatUse::DepthStencil, depthStencil) &&
         Supports(formats, device, FormatUse::RenderTarget, device.backBufferFormat) &&
         Supports(formats, device, FormatUse::DepthStencilMatch, device.backBufferFormat, depthStencil);
}

SurfaceFormat PhotoBookDeviceRules::FirstPassingDepthStencil(const FormatSupport& formats, const DeviceFormats& device,
                                                             std::span<const SurfaceFormat> order) {
  for (SurfaceFormat depthStencil : order) {
    if (PassesDepthStencilTests(formats, device, depthStencil)) return depthStencil;
  }
  return SurfaceFormat::Unknown;
}

void PhotoBookDeviceRules::ApplyBackBufferSize(const ClientSizeState& sizes, PresentParameters& present) {
  uint32_t width = sizes.clientWidth;
  uint32_t height = sizes.clientHeight;
  if (sizes.fullScreen && sizes.rememberedWidth != 0 && sizes.rememberedHeight != 0) {
    width = sizes.rememberedWidth;
    height = sizes.rememberedHeight;
  }
  if (width == 0 || height == 0) return;
  present.backBufferWidth = width;
  present.backBufferHeight = height;
}
