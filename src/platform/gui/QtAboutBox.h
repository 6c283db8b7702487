#pragma once

#include <functional>
#include <string>

#include "platform/gui/AboutBox.h"

class QWidget;

// The texts of the About dialog, taken when it opens so that a language change shows.
struct AboutBoxTexts {
  std::u16string caption;
  std::u16string okText;
  std::u16string text;
};

// The About dialog: the 640 x 480 picture of the program on white with the version text under
// it and an OK button; a click anywhere closes it. A missing or unreadable picture leaves just
// the text. The owner window must outlive this object.
class QtAboutBox : public AboutBox {
 public:
  QtAboutBox(std::function<QWidget*()> owner, std::u16string picturePath, std::function<AboutBoxTexts()> texts)
      : owner_(std::move(owner)), picturePath_(std::move(picturePath)), texts_(std::move(texts)) {}

  void ShowAboutDialog() override;

 private:
  std::function<QWidget*()> owner_;
  std::u16string picturePath_;
  std::function<AboutBoxTexts()> texts_;
};
