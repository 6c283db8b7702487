#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/gui/DialogHandler.h"

// What the encoder dialog does with a compressor beyond choosing it: show its own settings or
// about information. Each returns false when the compressor has none to show.
struct EncoderDialogActions {
  std::function<bool(const std::u16string& name)> showSettings;
  std::function<bool(const std::u16string& name)> showAbout;
  // An error box over the dialog.
  std::function<void(const std::u16string& text)> showError;
};

// The logic of the encoder choice (template 150): the installed compressors by friendly name,
// then the entry for full frames; the chosen name, empty for full frames, on OK. For MP4,
// Matroska and WebM movies the list holds their encoders by plain name and no full frames; the
// first is chosen when the initial name is not listed.
// User-interface thread only.
class EncoderDialog : public DialogHandler {
 public:
  static constexpr char16_t kFullFrames[] = u"Full Frames (Uncompressed)";

  // names: sorted friendly names; initialName: the stored choice.
  EncoderDialog(std::vector<std::u16string> names, std::u16string initialName, EncoderDialogActions actions,
                bool offerFullFrames = true);

  void OnInit(DialogControls& controls) override;
  void OnChanged(DialogControls& controls, int id) override;
  bool OnOk(DialogControls& controls) override;

  // The name chosen on OK; empty for full frames.
  const std::u16string& chosenName() const { return chosen_; }

 private:
  int InitialSelection() const;
  std::u16string Selected(const DialogControls& controls) const;
  void ShowError(const std::u16string& text) const;

  std::vector<std::u16string> names_;
  std::u16string initial_;
  EncoderDialogActions actions_;
  std::u16string chosen_;
  bool offerFullFrames_;
};
