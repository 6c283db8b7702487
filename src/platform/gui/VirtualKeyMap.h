#pragma once

// The program's keys are Windows virtual-key codes; Qt reports its own key numbers with modifier
// bits (Qt::Key, Qt::KeyboardModifiers). Pure functions, any thread.

// The virtual key of a Qt key event, or 0 for keys with none. Keys of the numeric keypad (the
// keypad modifier set) give VK_NUMPAD0..9, VK_ADD, VK_SUBTRACT, VK_MULTIPLY, VK_DIVIDE and
// VK_DECIMAL; with Num Lock off the keypad already reports arrows, Home, End, Page Up/Down,
// Insert, Delete and Clear, and they keep those codes. Shifted digits and punctuation of a US
// layout give the key they are on (Shift+1 reports '!', whose key is '1').
int VirtualKeyFromQtKey(int qtKey, unsigned modifiers);

// Whether the key arrives as a system key, which the application's key table never sees: any
// key with Alt held, and F10 (the key that opens the menu bar).
bool IsSystemKey(int qtKey, unsigned modifiers);

// The Qt key number of a virtual key for shortcuts (VK_RETURN gives Qt::Key_Return), 0 when
// there is none.
int QtKeyFromVirtualKey(int virtualKey);
