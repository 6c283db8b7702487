#pragma once

#include <span>
#include <string_view>
#include <variant>

#include "settings/Settings.h"

// One single-valued key of the settings file and the field it fills. Load and Save both
// walk the same table, so every key they know is read and written alike.
struct SettingsField {
  using Member = std::variant<ScreenRect Settings::*, Colour Settings::*, std::u16string Settings::*, bool Settings::*,
                              int32_t Settings::*, float Settings::*>;
  std::u16string_view key;
  Member member;

  // Window to AntialiasingQuality, in the order the file is written.
  static std::span<const SettingsField> All();
  // The keys written after the recent paths, rotations and camera presets: UseCameraOrientation.
  static std::span<const SettingsField> Trailing();
};
