#pragma once

#include <string>
#include <vector>

// One entry of a menu resource: a command item, a separator, or a submenu with its items.
struct MenuResource {
  enum class Kind { Item, Separator, Submenu };

  Kind kind = Kind::Item;
  int commandId = 0;  // items only
  std::u16string text;
  std::vector<MenuResource> items;  // submenus only

  static MenuResource Item(int commandId, std::u16string text) { return {Kind::Item, commandId, std::move(text), {}}; }
  static MenuResource Separator() { return {Kind::Separator, 0, {}, {}}; }
  static MenuResource Submenu(std::u16string text, std::vector<MenuResource> items) {
    return {Kind::Submenu, 0, std::move(text), std::move(items)};
  }
};
