#pragma once

#include <string>
#include <vector>

#include "platform/com/IUnknown.h"
#include "platform/media/EncoderOption.h"

// What a video compressor filter offers besides compressing: the options its settings dialog
// edits and the text of its about box. Values set here are kept for that compressor (by its
// friendly name) for the rest of the program's run, so a filter bound later to build the movie's
// graph encodes with them. User-interface thread only.
class IEncoderSettings : public IUnknown {
 public:
  static constexpr InterfaceId kIid{0x5E1C0A11, 0x7B2D, 0x4E6A, {0x9C, 0x31, 0x50, 0x61, 0x67, 0x65, 0x77, 0x67}};

  // The options with their current values, in the order the dialog lists them.
  virtual HRESULT GetOptions(std::vector<EncoderOption>* options) = 0;
  // Sets one option by name. E_INVALIDARG for an unknown name or a value the option refuses
  // (out of range, not a number, not one of the choices); the kept value is then unchanged.
  virtual HRESULT SetOption(const std::string& name, const std::string& value) = 0;
  // Puts every option back to its default.
  virtual HRESULT ResetOptions() = 0;
  // The about text: the compressor's long name, the encoder's name and the library's version.
  virtual HRESULT GetAboutText(std::u16string* text) = 0;
};
