#pragma once

#include "app/KeyAction.h"

// The keyboard of the viewer: the action of a virtual key, None for keys that do nothing. In a
// book bound on the right the left and right arrows point the way the leaves turn, so the left
// arrow goes forward; every other key keeps its action.
KeyAction KeyActionFor(int virtualKey, bool rightToLeft = false);
