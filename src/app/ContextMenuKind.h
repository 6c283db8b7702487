#pragma once

// The pop-up menus of a right click, by the part of the scene under the mouse.
enum class ContextMenuKind { Photo = 0, Paper = 1, Cover = 2, Background = 3 };
