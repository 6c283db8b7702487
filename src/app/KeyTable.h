#pragma once

#include "app/KeyAction.h"

// The keyboard of the viewer: the action of a virtual key, None for keys that do nothing.
KeyAction KeyActionFor(int virtualKey);
