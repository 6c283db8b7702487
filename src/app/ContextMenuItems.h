#pragma once

#include <string>
#include <vector>

#include "app/ContextMenuKind.h"
#include "platform/gui/PopupMenuItem.h"

class FLocale;

// The items of the pop-up menu of kind, texts from locale; the photo menu starts with
// photoPath as a greyed line.
std::vector<PopupMenuItem> ContextMenuItems(ContextMenuKind kind, const FLocale& locale,
                                            const std::u16string& photoPath);
