// The device's life: choosing settings, creating, resetting, losing and releasing it.
#include "framework/AppFramework.h"
#include "framework/ContextEnumeration.h"
#include "framework/DeviceSelection.h"
#include "framework/MatchChoice.h"
#include "framework/SettingsRequest.h"
#include "platform/gfx/GraphicsDevice.h"
#include "platform/gui/FrameworkWindow.h"

namespace {

ContextOffer OfferOf(const ContextFacts& facts) {
  ContextOffer offer;
  offer.renderer = facts.renderer;
  offer.screenWidth = static_cast<uint32_t>(facts.screenWidth);
  offer.screenHeight = static_cast<uint32_t>(facts.screenHeight);
  offer.screenRefreshRate = static_cast<uint32_t>(facts.screenRefreshRate);
  offer.screenDepth = facts.screenDepth;
  offer.colourBuffers = {{facts.redBits, facts.greenBits, facts.blueBits, facts.alphaBits}};
  offer.depthStencilBuffers = {{facts.depthBits, facts.stencilBits, false}};
  offer.sampleCounts = facts.sampleCounts;
  return offer;
}

// A callback's failure as the framework reports it; media that cannot be found passes through.
FrameworkStatus CallbackFailure(FrameworkStatus status, FrameworkStatus otherwise) {
  if (status == FrameworkStatus::Ok || status == FrameworkStatus::MediaNotFound) return status;
  return otherwise;
}

}  // namespace

const DeviceEnumeration& AppFramework::Enumeration() {
  if (!enumeration_) enumeration_ = EnumerateContext(OfferOf(window_.Facts()), deviceCallbacks_);
  return *enumeration_;
}

FrameworkStatus AppFramework::CreateDevice(bool windowed, int width, int height) {
  if (insideDeviceCallback_ || !window_.exists()) return FrameworkStatus::CreatingDevice;
  // The drawing area's context, which carries the device, is made when the window is first shown.
  window_.Show();
  const SettingsSelection selection = FindValidDeviceSettings(
      Enumeration(), SettingsRequest::ForCreateDevice(windowed, static_cast<uint32_t>(width > 0 ? width : 0),
                                                      static_cast<uint32_t>(height > 0 ? height : 0)));
  if (!selection) {
    ShowFrameworkError(selection.status);
    return selection.status;
  }
  return ChangeDevice(selection.settings, false);
}

FrameworkStatus AppFramework::ChangeDevice(const DeviceSettings& wanted, bool forceRecreate) {
  // Outside a frame another context (the toolkit's own) may be current.
  window_.MakeCurrent();
  const bool hadDevice = settings_.has_value() && device_ != nullptr;
  DeviceSettings settings = wanted;
  if (!deviceCallbacks_.Modify(settings, Enumeration().formats)) {
    if (!hadDevice) ShowFrameworkError(FrameworkStatus::NoCompatibleDevices);
    return FrameworkStatus::NoCompatibleDevices;
  }
  Pause(true, true);
  ignoreSizeChanges_ = true;
  const FrameworkStatus status = ApplySettings(settings, forceRecreate, hadDevice);
  ignoreSizeChanges_ = false;
  Pause(false, false);
  return status;
}

FrameworkStatus AppFramework::ApplySettings(const DeviceSettings& settings, bool forceRecreate, bool hadDevice) {
  const std::optional<DeviceSettings> previous = settings_;
  settings_ = settings;
  PrepareWindow(!previous || previous->present.windowed, settings.present.windowed);
  if (forceRecreate || !hadDevice || !ReachableByReset(*previous, settings)) {
    const FrameworkStatus status = CreateDeviceObjects(hadDevice);
    if (status != FrameworkStatus::Ok) {
      ReleaseDeviceObjects();
      device_ = nullptr;
      ShowFrameworkError(status);
    }
    return status;
  }
  return ResetOrRecreate();
}

bool AppFramework::ReachableByReset(const DeviceSettings& previous, const DeviceSettings& next) const {
  return previous.adapterOrdinal == next.adapterOrdinal && previous.deviceType == next.deviceType &&
         previous.vertexProcessing == next.vertexProcessing && previous.creationFlags == next.creationFlags;
}

void AppFramework::PrepareWindow(bool wasWindowed, bool windowed) {
  if (wasWindowed == windowed) return;
  if (!windowed) windowedClient_ = ClientSize();
  window_.SetFullScreen(!windowed);
}

FrameworkStatus AppFramework::CreateDeviceObjects(bool newDevice) {
  ReleaseDeviceObjects();
  GraphicsDevice* device = newDevice ? window_.RecreateDevice() : window_.device();
  if (device == nullptr) return FrameworkStatus::CreatingDevice;
  device_ = device;
  deviceLost_ = false;
  if (const FrameworkStatus status = CallDeviceCreated(); status != FrameworkStatus::Ok) return status;
  objectsCreated_ = true;
  if (const FrameworkStatus status = CallDeviceReset(); status != FrameworkStatus::Ok) return status;
  objectsReset_ = true;
  return FrameworkStatus::Ok;
}

FrameworkStatus AppFramework::CallDeviceCreated() {
  device_->SetViewport({BackBuffer().width, BackBuffer().height});
  if (callbacks_ == nullptr) return FrameworkStatus::Ok;
  insideDeviceCallback_ = true;
  const FrameworkStatus status = callbacks_->OnDeviceCreated(*device_, BackBuffer());
  insideDeviceCallback_ = false;
  return CallbackFailure(status, FrameworkStatus::CreatingDeviceObjects);
}

FrameworkStatus AppFramework::CallDeviceReset() {
  device_->SetViewport({BackBuffer().width, BackBuffer().height});
  if (callbacks_ == nullptr) return FrameworkStatus::Ok;
  insideDeviceCallback_ = true;
  const FrameworkStatus status = callbacks_->OnDeviceReset(*device_, BackBuffer());
  insideDeviceCallback_ = false;
  return CallbackFailure(status, FrameworkStatus::ResettingDeviceObjects);
}

// The device's own reset needs every resource of before released; when the application kept one,
// or the reset fails otherwise, a new device is made on the same context instead.
FrameworkStatus AppFramework::ResetDevice() {
  if (objectsReset_ && callbacks_ != nullptr) callbacks_->OnDeviceLost();
  objectsReset_ = false;
  device_->OnDeviceLost();
  if (!device_->OnDeviceReset()) return FrameworkStatus::ResettingDevice;
  if (const FrameworkStatus status = CallDeviceReset(); status != FrameworkStatus::Ok) return status;
  objectsReset_ = true;
  deviceLost_ = false;
  return FrameworkStatus::Ok;
}

FrameworkStatus AppFramework::ResetOrRecreate() {
  FrameworkStatus status = ResetDevice();
  if (status == FrameworkStatus::MediaNotFound || status == FrameworkStatus::ResettingDeviceObjects) {
    ShowFrameworkError(status);
    Shutdown(exitCode_);
    return status;
  }
  if (status == FrameworkStatus::Ok) return status;
  status = CreateDeviceObjects(true);
  if (status != FrameworkStatus::Ok) {
    ReleaseDeviceObjects();
    device_ = nullptr;
    ShowFrameworkError(FrameworkStatus::CreatingDevice);
    Shutdown(exitCode_);
  }
  return status;
}

void AppFramework::ReleaseDeviceObjects() {
  if (objectsReset_ && callbacks_ != nullptr) callbacks_->OnDeviceLost();
  objectsReset_ = false;
  if (objectsCreated_ && callbacks_ != nullptr) callbacks_->OnDeviceDestroyed();
  objectsCreated_ = false;
}

// At the end the device must hold nothing the application made: a device that cannot be reset
// afterwards still has resources alive.
void AppFramework::ReleaseEverything() {
  if (!window_.exists()) return;
  const bool current = window_.MakeCurrent();
  ReleaseDeviceObjects();
  if (current && device_ != nullptr) {
    device_->OnDeviceLost();
    if (!device_->OnDeviceReset()) ShowFrameworkError(FrameworkStatus::NonZeroReferenceCount);
  }
  device_ = nullptr;
  window_.Destroy();
}

// Nothing is created here: CreateDevice takes the first device, and the next frame re-creates one
// that was lost with its context (RestoreLostDevice).
void AppFramework::OnContextCreated(GraphicsDevice*) {}

void AppFramework::OnContextLost() {
  if (device_ == nullptr) return;
  ReleaseDeviceObjects();
  device_ = nullptr;
  deviceLost_ = true;
}

// A device lost with its context comes back on the new context with the current settings.
bool AppFramework::RestoreLostDevice() {
  if (!settings_ || closing_) return false;
  if (device_ == nullptr && window_.device() == nullptr) return false;
  const bool recreate = device_ == nullptr;
  FrameworkStatus status = recreate ? ChangeDevice(*settings_, true) : ResetOrRecreate();
  // A device that cannot come back leaves nothing to draw with (the failure was shown).
  if (recreate && status != FrameworkStatus::Ok) Shutdown(exitCode_);
  return status == FrameworkStatus::Ok;
}

PixelSize AppFramework::BackBuffer() const {
  if (!settings_) return {};
  return {static_cast<int>(settings_->present.backBufferWidth), static_cast<int>(settings_->present.backBufferHeight)};
}

void AppFramework::CheckForWindowSizeChange() {
  if (!settings_ || device_ == nullptr || !IsWindowed() || closing_) return;
  const PixelSize client = ClientSize();
  if (client.width <= 0 || client.height <= 0 || client == BackBuffer()) return;
  DeviceSettings wanted = *settings_;
  wanted.present.backBufferWidth = static_cast<uint32_t>(client.width);
  wanted.present.backBufferHeight = static_cast<uint32_t>(client.height);
  ChangeDevice(wanted, false);
}

FrameworkStatus AppFramework::ToggleFullScreen() {
  if (!settings_ || device_ == nullptr || closing_) return FrameworkStatus::NoCompatibleDevices;
  const DeviceSettings previous = *settings_;
  const FrameworkStatus status = SwitchMode(!previous.present.windowed);
  if (status == FrameworkStatus::Ok) return status;
  // Back to what worked before; when even that fails there is nothing left to draw with.
  if (ChangeDevice(previous, false) != FrameworkStatus::Ok) Shutdown(exitCode_);
  return status;
}

// Same adapter and device type; the size last used in the target mode when there is one.
FrameworkStatus AppFramework::SwitchMode(bool windowed) {
  if (windowed) fullScreenSize_ = BackBuffer();
  const PixelSize size = windowed ? windowedClient_ : fullScreenSize_;
  SettingsRequest request;
  request.wanted = *settings_;
  request.wanted.present.windowed = windowed;
  request.wanted.present.backBufferWidth = static_cast<uint32_t>(size.width);
  request.wanted.present.backBufferHeight = static_cast<uint32_t>(size.height);
  request.options.adapterOrdinal = MatchChoice::Keep;
  request.options.deviceType = MatchChoice::Keep;
  request.options.windowed = MatchChoice::Keep;
  if (size.width > 0 && size.height > 0) request.options.resolution = MatchChoice::Closest;
  const SettingsSelection selection = FindValidDeviceSettings(Enumeration(), request);
  if (!selection) return selection.status;
  return ChangeDevice(selection.settings, false);
}
