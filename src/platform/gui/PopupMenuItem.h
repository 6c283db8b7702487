#pragma once

#include <string>

// One entry of a pop-up menu: a command, a greyed line of information, or a separator.
struct PopupMenuItem {
  enum class Kind { Command, Disabled, Separator };

  Kind kind = Kind::Command;
  int command = 0;  // Kind::Command only
  std::u16string text;

  bool operator==(const PopupMenuItem&) const = default;
};
