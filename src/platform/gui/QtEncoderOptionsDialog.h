#pragma once

#include "platform/gui/EncoderOptionsDialog.h"

// A compressor's settings and about box on Qt widgets, modal over the window that is active
// when they open (the encoder choice), or without an owner when none is. User-interface thread
// only.
class QtEncoderOptionsDialog : public EncoderOptionsDialog {
 public:
  std::optional<Changes> ShowSettings(const std::u16string& friendlyName,
                                      const std::vector<EncoderOption>& options) override;
  void ShowAbout(const std::u16string& friendlyName, const std::u16string& text) override;
};
