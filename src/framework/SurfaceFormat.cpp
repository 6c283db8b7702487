#include "framework/SurfaceFormat.h"

int ColourChannelBits(SurfaceFormat format) {
  switch (format) {
    case SurfaceFormat::R8G8B8:
    case SurfaceFormat::A8R8G8B8:
    case SurfaceFormat::X8R8G8B8:
    case SurfaceFormat::A8B8G8R8:
    case SurfaceFormat::X8B8G8R8:
      return 8;
    case SurfaceFormat::R5G6B5:
    case SurfaceFormat::X1R5G5B5:
    case SurfaceFormat::A1R5G5B5:
      return 5;
    case SurfaceFormat::A4R4G4B4:
    case SurfaceFormat::X4R4G4B4:
      return 4;
    case SurfaceFormat::R3G3B2:
    case SurfaceFormat::A8R3G3B2:
      return 2;
    case SurfaceFormat::A2B10G10R10:
    case SurfaceFormat::A2R10G10B10:
      return 10;
    default:
      return 0;
  }
}

int DepthBits(SurfaceFormat format) {
  switch (format) {
    case SurfaceFormat::D16Lockable:
    case SurfaceFormat::D16:
      return 16;
    case SurfaceFormat::D15S1:
      return 15;
    case SurfaceFormat::D24S8:
    case SurfaceFormat::D24X8:
    case SurfaceFormat::D24X4S4:
    case SurfaceFormat::D24FS8:
      return 24;
    case SurfaceFormat::D32:
    case SurfaceFormat::D32FLockable:
      return 32;
    default:
      return 0;
  }
}

int StencilBits(SurfaceFormat format) {
  switch (format) {
    case SurfaceFormat::D15S1:
      return 1;
    case SurfaceFormat::D24X4S4:
      return 4;
    case SurfaceFormat::D24S8:
    case SurfaceFormat::D24FS8:
      return 8;
    default:
      return 0;
  }
}
