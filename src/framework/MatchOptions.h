#pragma once

#include "framework/MatchChoice.h"

// One choice per setting of a device selection.
struct MatchOptions {
  MatchChoice adapterOrdinal = MatchChoice::Ignore;
  MatchChoice deviceType = MatchChoice::Ignore;
  MatchChoice windowed = MatchChoice::Ignore;
  MatchChoice adapterFormat = MatchChoice::Ignore;
  MatchChoice vertexProcessing = MatchChoice::Ignore;
  MatchChoice resolution = MatchChoice::Ignore;
  MatchChoice backBufferFormat = MatchChoice::Ignore;
  MatchChoice backBufferCount = MatchChoice::Ignore;
  MatchChoice multisample = MatchChoice::Ignore;
  MatchChoice swapEffect = MatchChoice::Ignore;
  MatchChoice depthFormat = MatchChoice::Ignore;
  MatchChoice stencilFormat = MatchChoice::Ignore;
  MatchChoice presentFlags = MatchChoice::Ignore;
  MatchChoice refreshRate = MatchChoice::Ignore;
  MatchChoice presentInterval = MatchChoice::Ignore;
};
