#include "platform/gui/AboutDialogLayout.h"

namespace {

constexpr int kButtonCentreX = 380;
constexpr int kButtonTop = 440;

}  // namespace

AboutDialogLayout AboutDialogLayout::For(Size outer, Size client, Size screen, Size button) {
  AboutDialogLayout layout;
  layout.outerWidth = outer.width - client.width + kPictureWidth;
  layout.outerHeight = outer.height - client.height + kPictureHeight;
  layout.left = (screen.width - layout.outerWidth) / 2;
  layout.top = (screen.height - layout.outerHeight) / 2;
  layout.buttonLeft = kButtonCentreX - button.width / 2;
  layout.buttonTop = kButtonTop;
  return layout;
}
