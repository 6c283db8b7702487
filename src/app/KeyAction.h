#pragma once

// What a key does while browsing; argument carries the light preset (0..3), the camera view
// (0..9) or the sign (+1, -1) of a camera nudge.
struct KeyAction {
  enum class Kind {
    None,
    PreviousPage,
    NextPage,
    ToggleWireframe,
    Escape,
    Light,
    MoveForward,
    Strafe,
    Yaw,
    Pitch,
    FieldOfView,
    FirstPage,
    TechInfo,
    View,
  };

  Kind kind = Kind::None;
  int argument = 0;

  bool operator==(const KeyAction&) const = default;
};
