#pragma once

#include <cstdint>

#include "framework/MultisampleType.h"
#include "framework/PresentInterval.h"
#include "framework/SurfaceFormat.h"
#include "framework/SwapEffect.h"

// How the device presents: back buffer, multisampling, depth-stencil buffer and timing.
struct PresentParameters {
  // Presentation flag bits, numbered as Direct3D 9 numbers them.
  static constexpr uint32_t kLockableBackBuffer = 0x1;
  static constexpr uint32_t kDiscardDepthStencil = 0x2;

  uint32_t backBufferWidth = 0;
  uint32_t backBufferHeight = 0;
  SurfaceFormat backBufferFormat = SurfaceFormat::Unknown;
  uint32_t backBufferCount = 1;
  MultisampleType multisampleType = MultisampleType::None;
  uint32_t multisampleQuality = 0;
  SwapEffect swapEffect = SwapEffect::Discard;
  // The window the device draws into; an opaque handle of the window layer, not owned.
  void* deviceWindow = nullptr;
  bool windowed = true;
  bool enableAutoDepthStencil = true;
  SurfaceFormat autoDepthStencilFormat = SurfaceFormat::Unknown;
  uint32_t flags = 0;
  // Hertz; 0 lets the display keep its own rate (always 0 for a windowed device).
  uint32_t fullScreenRefreshRate = 0;
  PresentInterval presentInterval = PresentInterval::Default;

  bool operator==(const PresentParameters&) const = default;
};
