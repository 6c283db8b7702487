#pragma once

#include "framework/ColourBits.h"
#include "framework/DepthStencilBits.h"
#include "framework/SurfaceFormat.h"

// The surface format of what an OpenGL context offers. OpenGL does not fix the order of
// channels in memory, so colour buffers map onto the ARGB formats. Unknown where the bits have
// no counterpart (e.g. 16-bit float channels, a 32-bit float depth with stencil).
SurfaceFormat ColourFormatOf(ColourBits bits);
SurfaceFormat DepthStencilFormatOf(DepthStencilBits bits);

// The desktop format of a screen of that depth in bits per pixel. A depth of no known layout
// counts as 8 bits a channel, which is what nearly every screen runs at.
SurfaceFormat ScreenFormatOf(int bitsPerPixel);
