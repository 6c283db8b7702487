#include "framework/ContextFormats.h"

#include <array>

namespace {

struct ColourLayout {
  ColourBits bits;
  SurfaceFormat format;
};

constexpr std::array<ColourLayout, 9> kColourLayouts{{
    {{8, 8, 8, 8}, SurfaceFormat::A8R8G8B8},
    {{8, 8, 8, 0}, SurfaceFormat::X8R8G8B8},
    {{10, 10, 10, 2}, SurfaceFormat::A2R10G10B10},
    {{5, 6, 5, 0}, SurfaceFormat::R5G6B5},
    {{5, 5, 5, 1}, SurfaceFormat::A1R5G5B5},
    {{5, 5, 5, 0}, SurfaceFormat::X1R5G5B5},
    {{4, 4, 4, 4}, SurfaceFormat::A4R4G4B4},
    {{4, 4, 4, 0}, SurfaceFormat::X4R4G4B4},
    {{3, 3, 2, 0}, SurfaceFormat::R3G3B2},
}};

struct DepthStencilLayout {
  DepthStencilBits bits;
  SurfaceFormat format;
};

constexpr std::array<DepthStencilLayout, 8> kDepthStencilLayouts{{
    {{24, 8, false}, SurfaceFormat::D24S8},
    {{24, 0, false}, SurfaceFormat::D24X8},
    {{24, 4, false}, SurfaceFormat::D24X4S4},
    {{24, 8, true}, SurfaceFormat::D24FS8},
    {{32, 0, false}, SurfaceFormat::D32},
    {{32, 0, true}, SurfaceFormat::D32FLockable},
    {{16, 0, false}, SurfaceFormat::D16},
    {{15, 1, false}, SurfaceFormat::D15S1},
}};

bool Same(ColourBits a, ColourBits b) {
  return a.red == b.red && a.green == b.green && a.blue == b.blue && a.alpha == b.alpha;
}

bool Same(DepthStencilBits a, DepthStencilBits b) {
  return a.depth == b.depth && a.stencil == b.stencil && a.floatingPointDepth == b.floatingPointDepth;
}

}  // namespace

SurfaceFormat ColourFormatOf(ColourBits bits) {
  for (const ColourLayout& layout : kColourLayouts) {
    if (Same(layout.bits, bits)) return layout.format;
  }
  return SurfaceFormat::Unknown;
}

SurfaceFormat DepthStencilFormatOf(DepthStencilBits bits) {
  for (const DepthStencilLayout& layout : kDepthStencilLayouts) {
    if (Same(layout.bits, bits)) return layout.format;
  }
  return SurfaceFormat::Unknown;
}

SurfaceFormat ScreenFormatOf(int bitsPerPixel) {
  switch (bitsPerPixel) {
    case 15:
      return SurfaceFormat::X1R5G5B5;
    case 16:
      return SurfaceFormat::R5G6B5;
    case 30:
      return SurfaceFormat::A2R10G10B10;
    default:
      return SurfaceFormat::X8R8G8B8;
  }
}
