#pragma once

#include <string>
#include <vector>

#include "platform/gui/MessageSink.h"

// Keeps every message instead of showing it.
class RecordingMessages : public MessageSink {
 public:
  struct Shown {
    std::u16string text;
    Icon icon;
  };

  void ShowMessage(const std::u16string& text, Icon icon) override { shown.push_back({text, icon}); }

  std::vector<Shown> shown;
};
