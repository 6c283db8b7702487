#include "app/KeyTable.h"

#include <initializer_list>

#include "app/VirtualKey.h"

namespace {

using Kind = KeyAction::Kind;

KeyAction PageKey(int key) {
  switch (key) {
    case VirtualKey::Back:
    case VirtualKey::PageUp:
    case VirtualKey::Left:
    case VirtualKey::Up:
      return {Kind::PreviousPage};
    case VirtualKey::Return:
    case VirtualKey::Space:
    case VirtualKey::PageDown:
    case VirtualKey::Right:
    case VirtualKey::Down:
      return {Kind::NextPage};
    default:
      return {};
  }
}

KeyAction CameraKey(int key) {
  switch (key) {
    case VirtualKey::W:
      return {Kind::MoveForward, +1};
    case VirtualKey::S:
      return {Kind::MoveForward, -1};
    case VirtualKey::D:
      return {Kind::Strafe, +1};
    case VirtualKey::A:
      return {Kind::Strafe, -1};
    case VirtualKey::Numpad4:
      return {Kind::Yaw, -1};
    case VirtualKey::Numpad6:
      return {Kind::Yaw, +1};
    case VirtualKey::Numpad8:
      return {Kind::Pitch, -1};
    case VirtualKey::Numpad2:
      return {Kind::Pitch, +1};
    case VirtualKey::Add:
      return {Kind::FieldOfView, -1};
    case VirtualKey::Subtract:
      return {Kind::FieldOfView, +1};
    default:
      return {};
  }
}

KeyAction OtherKey(int key) {
  if (key >= VirtualKey::Key1 && key < VirtualKey::Key1 + 4) return {Kind::Light, key - VirtualKey::Key1};
  // F1-F9 are views 0-8; F10 arrives as a system key, so F11 takes view 9.
  if (key >= VirtualKey::F1 && key <= VirtualKey::F9) return {Kind::View, key - VirtualKey::F1};
  switch (key) {
    case VirtualKey::F11:
      return {Kind::View, 9};
    case VirtualKey::Tab:
      return {Kind::ToggleWireframe};
    case VirtualKey::Escape:
      return {Kind::Escape};
    case VirtualKey::B:
      return {Kind::FirstPage};
    case VirtualKey::T:
      return {Kind::TechInfo};
    default:
      return {};
  }
}

}  // namespace

KeyAction KeyActionFor(int virtualKey, bool rightToLeft) {
  if (rightToLeft && (virtualKey == VirtualKey::Left || virtualKey == VirtualKey::Right))
    virtualKey = virtualKey == VirtualKey::Left ? VirtualKey::Right : VirtualKey::Left;
  for (KeyAction (*table)(int) : {PageKey, CameraKey, OtherKey}) {
    const KeyAction action = table(virtualKey);
    if (action.kind != Kind::None) return action;
  }
  return {};
}
