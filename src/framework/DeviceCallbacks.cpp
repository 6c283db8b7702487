#include "framework/DeviceCallbacks.h"

bool DeviceCallbacks::Accepts(const DeviceCaps& caps, const FormatSupport& formats, SurfaceFormat adapterFormat,
                              SurfaceFormat backBufferFormat, bool windowed) const {
  return !isDeviceAcceptable || isDeviceAcceptable(caps, formats, adapterFormat, backBufferFormat, windowed);
}

bool DeviceCallbacks::Modify(DeviceSettings& settings, const FormatSupport& formats) const {
  return !modifyDeviceSettings || modifyDeviceSettings(settings, formats);
}
