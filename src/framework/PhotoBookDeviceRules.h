#pragma once

#include <array>
#include <functional>
#include <span>

#include "framework/ClientSizeState.h"
#include "framework/DeviceCallbacks.h"
#include "framework/DeviceFormats.h"

// The photo book's say in choosing its device: which format pairs it can draw with, and how it
// adjusts the settings before a device is created or reset. One thread: the user-interface thread.
class PhotoBookDeviceRules {
 public:
  // The depth-stencil formats a device must offer one of, in the order they are tried.
  static constexpr std::array<SurfaceFormat, 4> kAcceptedDepthStencils{SurfaceFormat::D24S8, SurfaceFormat::D24X4S4,
                                                                       SurfaceFormat::D15S1, SurfaceFormat::D24FS8};
  // The order in which the depth-stencil format of a device is chosen.
  static constexpr std::array<SurfaceFormat, 4> kChosenDepthStencils{SurfaceFormat::D24S8, SurfaceFormat::D24X4S4,
                                                                     SurfaceFormat::D24FS8, SurfaceFormat::D15S1};

  // clientSize reports the window's sizes whenever settings are modified; it must stay callable
  // as long as this object's callbacks are registered.
  explicit PhotoBookDeviceRules(std::function<ClientSizeState()> clientSize);

  // Accepts an X8R8G8B8 or A8R8G8B8 back buffer that the device can blend into (as a texture and as
  // a render target) and that works with one of kAcceptedDepthStencils.
  static bool IsDeviceAcceptable(const DeviceCaps& caps, const FormatSupport& formats, SurfaceFormat adapterFormat,
                                 SurfaceFormat backBufferFormat, bool windowed);
  // Chooses the depth-stencil format (kept when none passes), takes the client size as the
  // windowed back-buffer size, one back buffer presented by copying, and writes a
  // "New Backbuffer: W x H pixels" debug line. Always true.
  bool ModifyDeviceSettings(DeviceSettings& settings, const FormatSupport& formats) const;
  // Both rules as the framework's callbacks; they refer to this object, which must outlive them.
  DeviceCallbacks Callbacks() const;

  // The three tests: a valid depth-stencil format, the back-buffer format a valid render target,
  // and the two working together, on the device and adapter format given. They are made on the
  // device being weighed, not always on the first adapter's hardware device, so that a device
  // with none of the depth-stencil formats is never chosen, whichever adapter it belongs to.
  static bool PassesDepthStencilTests(const FormatSupport& formats, const DeviceFormats& device,
                                      SurfaceFormat depthStencil);
  // The first of order that passes the three tests, or Unknown.
  static SurfaceFormat FirstPassingDepthStencil(const FormatSupport& formats, const DeviceFormats& device,
                                                std::span<const SurfaceFormat> order);
  // The windowed back-buffer size: the client size, or in full screen the remembered one unless
  // that is zero. A zero size (a minimised window) leaves the size as it was.
  static void ApplyBackBufferSize(const ClientSizeState& sizes, PresentParameters& present);

 private:
  std::function<ClientSizeState()> clientSize_;
};
