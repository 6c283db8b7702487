#pragma once

#include <vector>

#include "platform/gui/MenuResource.h"

// Menu 141, the main menu bar: its top-level submenus left to right. The texts are replaced
// from the interface texts before the window is first shown; structure and command numbers
// are what count.
const std::vector<MenuResource>& MainMenuResource();
