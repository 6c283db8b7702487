#pragma once

// Where the About dialog and its OK button go once it knows its frame: a client area exactly
// the size of the 640 x 480 picture, centred on the primary screen, the button centred at
// x = 380 near the bottom. All in pixels.
struct AboutDialogLayout {
  static constexpr int kPictureWidth = 640;
  static constexpr int kPictureHeight = 480;

  struct Size {
    int width = 0;
    int height = 0;
  };

  int left = 0;
  int top = 0;
  int outerWidth = 0;
  int outerHeight = 0;
  int buttonLeft = 0;
  int buttonTop = 0;

  // outer and client are the dialog's sizes as the template made it.
  static AboutDialogLayout For(Size outer, Size client, Size screen, Size button);
};
