#pragma once

#include <functional>

#include "framework/DeviceCaps.h"
#include "framework/DeviceSettings.h"
#include "framework/FormatSupport.h"
#include "framework/SurfaceFormat.h"

// The application's say in choosing a device. Either function may be empty: then every format pair
// is acceptable and settings go unchanged. Both are called on the user-interface thread, from
// within device enumeration and device changes; whatever they capture must outlive those calls.
struct DeviceCallbacks {
  // Whether a device may run with an adapter-format and back-buffer-format pair, windowed or full
  // screen. formats answers what the devices can do with formats.
  using IsDeviceAcceptableFunction =
      std::function<bool(const DeviceCaps& caps, const FormatSupport& formats, SurfaceFormat adapterFormat,
                         SurfaceFormat backBufferFormat, bool windowed)>;
  // May change the settings a device is about to be created or reset with; false cancels.
  using ModifyDeviceSettingsFunction = std::function<bool(DeviceSettings& settings, const FormatSupport& formats)>;

  IsDeviceAcceptableFunction isDeviceAcceptable;
  ModifyDeviceSettingsFunction modifyDeviceSettings;

  bool Accepts(const DeviceCaps& caps, const FormatSupport& formats, SurfaceFormat adapterFormat,
               SurfaceFormat backBufferFormat, bool windowed) const;
  bool Modify(DeviceSettings& settings, const FormatSupport& formats) const;
};
