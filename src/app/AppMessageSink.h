#pragma once

#include "platform/gui/MessageSink.h"

class PhotoBookApp;

// Sends messages of the photo and effect code to the application's message boxes, so they
// carry its caption and stay silent in full screen. The application must outlive it.
class AppMessageSink : public MessageSink {
 public:
  explicit AppMessageSink(PhotoBookApp& app) : app_(app) {}
  void ShowMessage(const std::u16string& text, Icon icon) override;

 private:
  PhotoBookApp& app_;
};
