#pragma once

#include "framework/ContextOffer.h"
#include "framework/DeviceCallbacks.h"
#include "framework/DeviceEnumeration.h"

// The enumeration the device rules work on, made from what an OpenGL context offers. The
// renderer is the one adapter (ordinal 0) with one hardware device that transforms and lights
// vertices. The screen's mode is the adapter's desktop mode and its only display mode: the
// program never changes the video mode, so full screen means the desktop's size and format.
// Every offered colour format (in the offer's order, each once) pairs with the screen's format,
// first windowed and then full screen; each pair offers every depth-stencil format, no
// multisampling followed by each sample count, Default and One (plus Immediate when offered) as
// presentation intervals, and every kind of vertex processing. The format facts say that each
// colour format can be rendered to and blended into, as texture and as render target, and works
// with each depth-stencil format. Buffers with no surface format are left out. Finally the pairs
// the application does not accept are removed (RemoveUnacceptableCombos).
DeviceEnumeration EnumerateContext(const ContextOffer& offer, const DeviceCallbacks& callbacks);
