#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/media/EncoderOption.h"

// A video compressor's own dialogs, shown modal over the window that is active (the encoder
// choice): its settings, built from its options, and its about box. Captions are fixed English,
// like the other technical dialogs of the export. User-interface thread only.
class EncoderOptionsDialog {
 public:
  // Option name -> the new value as text, in the encoder library's syntax.
  using Changes = std::map<std::string, std::string>;

  virtual ~EncoderOptionsDialog() = default;
  // Lets the user edit options (each with its current value) of the compressor called
  // friendlyName. After OK: the values the user changed, each already checked against its
  // option's kind and range (possibly none); after Cancel or the close box: nothing.
  virtual std::optional<Changes> ShowSettings(const std::u16string& friendlyName,
                                              const std::vector<EncoderOption>& options) = 0;
  // An information box captioned "About <friendlyName>" showing text; returns when closed.
  virtual void ShowAbout(const std::u16string& friendlyName, const std::u16string& text) = 0;
};
