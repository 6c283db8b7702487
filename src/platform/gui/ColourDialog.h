#pragma once

// The colour chooser over the main window. User-interface thread only.
class ColourDialog {
 public:
  virtual ~ColourDialog() = default;
  // Starts at r, g, b (0..255 each). On OK they receive the chosen colour and the result is
  // true; on Cancel they are left alone and the result is false.
  virtual bool ChooseColour(int& r, int& g, int& b) = 0;
};
