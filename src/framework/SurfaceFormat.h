#pragma once

#include <cstdint>

// Colour and depth-stencil formats, numbered as Direct3D 9 numbers them: the device rules compare
// and store these numbers, and a later enumerator maps what OpenGL offers onto them.
enum class SurfaceFormat : uint32_t {
  Unknown = 0,
  R8G8B8 = 20,
  A8R8G8B8 = 21,
  X8R8G8B8 = 22,
  R5G6B5 = 23,
  X1R5G5B5 = 24,
  A1R5G5B5 = 25,
  A4R4G4B4 = 26,
  R3G3B2 = 27,
  A8R3G3B2 = 29,
  X4R4G4B4 = 30,
  A2B10G10R10 = 31,
  A8B8G8R8 = 32,
  X8B8G8R8 = 33,
  A2R10G10B10 = 35,
  D16Lockable = 70,
  D32 = 71,
  D15S1 = 73,
  D24S8 = 75,
  D24X8 = 77,
  D24X4S4 = 79,
  D16 = 80,
  D32FLockable = 82,
  D24FS8 = 83,
};

// Bits of the narrowest colour channel (R5G6B5 counts 5); 0 for formats that are not colour formats.
int ColourChannelBits(SurfaceFormat format);

// Depth and stencil bits of a depth-stencil format; 0 for formats that are none.
int DepthBits(SurfaceFormat format);
int StencilBits(SurfaceFormat format);
