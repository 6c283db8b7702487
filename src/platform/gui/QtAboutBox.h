#pragma once

#include <string>

#include "platform/gui/AboutBox.h"

class QWidget;

// The About dialog: the 640 x 480 picture of the program on white with the version text under
// it and an OK button; a click anywhere closes it. A missing picture leaves just the text. The
// owner window must outlive this object.
class QtAboutBox : public AboutBox {
 public:
  QtAboutBox(QWidget* owner, std::u16string picturePath, std::u16string caption, std::u16string okText,
             std::u16string text)
      : owner_(owner),
        picturePath_(std::move(picturePath)),
        caption_(std::move(caption)),
        okText_(std::move(okText)),
        text_(std::move(text)) {}

  void ShowAboutDialog() override;

 private:
  QWidget* owner_;
  std::u16string picturePath_;
  std::u16string caption_;
  std::u16string okText_;
  std::u16string text_;
};
