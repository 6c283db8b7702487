#pragma once

#include "platform/gfx/PixelSize.h"

// The client size the window takes for a movie export: the movie's size, halved (both sides,
// whole pixels) until the window with its frame (border: outer minus client size) fits on the
// screen. A 1920 x 1080 movie on a 1280 x 1024 screen gives 960 x 540. Stops halving before a
// side reaches 0, however small the screen.
PixelSize FittedClientSize(PixelSize movie, PixelSize border, PixelSize screen);
