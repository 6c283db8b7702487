#include "framework/FrameworkErrorText.h"

namespace {

using S = FrameworkStatus;

std::u16string NoDevicesText(bool remoteSession) {
  if (remoteSession) return u"Direct3D does not work over a remote session.";
  return u"Could not find any compatible Direct3D devices.\n\n"
         u"Your graphics card is not powerful enough to run this application.";
}

}  // namespace

FrameworkErrorText FrameworkErrorText::For(FrameworkStatus status, bool remoteSession) {
  switch (status) {
    case S::NoGraphicsRuntime:
      return {2,
              u"Could not initialize Direct3D 9. Check that the latest version of DirectX is correctly installed on "
              u"your system.  Also make sure that this program was compiled with header files that match the "
              u"installed DirectX DLLs."};
    case S::NoCompatibleDevices:
      return {3, NoDevicesText(remoteSession)};
    case S::MediaNotFound:
      return {4, u"Could not find required media."};
    case S::NonZeroReferenceCount:
      return {5, u"The Direct3D device has a non-zero reference count, meaning some objects were not released."};
    case S::CreatingDevice:
      return {6, u"Failed creating the Direct3D device."};
    case S::ResettingDevice:
      return {7, u"Failed resetting the Direct3D device."};
    case S::CreatingDeviceObjects:
      return {8, u"An error occurred in the device create callback function."};
    case S::ResettingDeviceObjects:
      return {9, u"An error occurred in the device reset callback function."};
    case S::DeviceRemoved:
      return {11, u"The Direct3D device was removed."};
    case S::Ok:
      break;
  }
  return {1, {}};
}
