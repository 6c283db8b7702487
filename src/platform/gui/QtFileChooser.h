#pragma once

#include <QString>

#include "platform/gui/FileChooser.h"

class QWidget;

// File dialogs over a window, which must outlive this object.
class QtFileChooser : public FileChooser {
 public:
  explicit QtFileChooser(QWidget* owner) : owner_(owner) {}

  std::u16string Choose(const FileChooserRequest& request) override;
  // The Qt name filter of a request: "Photos (.BMP, .JPG) (*.BMP *.bmp *.JPG *.jpg)", both
  // cases of each pattern, since names on this platform's file systems keep their case.
  static QString NameFilter(const FileChooserRequest& request);

 private:
  QWidget* owner_;
};
