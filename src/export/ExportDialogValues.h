#pragma once

#include <cstdint>
#include <string>

class Settings;

// What the controls of the export settings dialog hold when OK is pressed, read as the controls
// give them and not yet checked.
struct ExportDialogValues {
  static constexpr int kMaxPixelAspectCharacters = 31;
  static constexpr int kMaxFpsCharacters = 15;

  int32_t width = 0;               // number edit 1033
  int32_t height = 0;              // number edit 1034
  std::u16string pixelAspectText;  // edit 1037, a ratio text
  std::u16string fpsText;          // number edit 1035
  int32_t timePage = 0;            // number edits 1046, 1047, 1048, seconds
  int32_t timeZoom = 0;
  int32_t timeView = 0;
  bool uncompressedChecked = false;  // radio buttons 1049 and 1050
  bool compressedChecked = false;
  int antialiasingIndex = -1;  // selection of list 1076, -1 for none

  // The OK rule: every value brought into its range and written to settings. Out-of-range sizes
  // and times are clamped; a PAR outside (0, 10] becomes 1 and a rate outside (0, 100] becomes 10.
  void ApplyTo(Settings& settings) const;

  // The list entry shown for an AntialiasingQuality setting on opening the dialog.
  static int AntialiasingListIndex(int32_t antialiasingQuality);
  // Page, zoom and view times are whole seconds in 1..20, here and in the animation speed dialog.
  static int32_t ClampSeconds(int32_t seconds);
};
