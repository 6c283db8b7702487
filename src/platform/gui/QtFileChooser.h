#pragma once

#include <functional>

#include <string>

#include "platform/gui/FileChooser.h"

class QWidget;

// File dialogs over a window, which must outlive this object.
class QtFileChooser : public FileChooser {
 public:
  explicit QtFileChooser(std::function<QWidget*()> owner) : owner_(std::move(owner)) {}

  std::u16string Choose(const FileChooserRequest& request) override;
  bool ConfirmReplace(const std::u16string& path) override;
  // The Qt name filter of a request: "Photos (.BMP, .JPG) (*.BMP *.bmp *.JPG *.jpg)", both
  // cases of each pattern, since names on this platform's file systems keep their case.
  static std::u16string NameFilter(const FileChooserRequest& request);
  // One filter's Qt text. Upper-case patterns (the program's own, "*.AVI") are shown in both
  // cases; lower-case ones ("*.mp4") as they are, matched without regard to case.
  static std::u16string NameFilter(const std::u16string& description, const std::u16string& pattern);

 private:
  std::function<QWidget*()> owner_;
};
