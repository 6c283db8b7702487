#pragma once

#include <vector>

#include "platform/com/ComPtr.h"
#include "platform/media/IBaseFilter.h"
#include "platform/media/IPin.h"

// Questions about a filter's pins that building a graph asks again and again.

// Every pin of filter, in its own order; none when it cannot list them.
std::vector<ComPtr<IPin>> PinsOf(IBaseFilter* filter);
bool HasDirection(IPin* pin, PIN_DIRECTION wanted);
// The pin connected to pin, or null.
ComPtr<IPin> PeerOf(IPin* pin);
// The filter that owns pin, or null.
ComPtr<IBaseFilter> FilterOf(IPin* pin);
// The first pin of filter facing direction that is not connected yet, or null.
ComPtr<IPin> FirstFreePin(IBaseFilter* filter, PIN_DIRECTION direction);
