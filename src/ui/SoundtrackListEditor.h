#pragma once

#include <functional>
#include <string>
#include <vector>

class DialogControls;
class FLocale;
class MessageSink;
class Settings;

// The soundtrack part of the export settings dialog: the audio files in playing order, added
// through a file chooser, removed or moved up and down, and whether the list loops. Every file
// is checked when it is added and again on OK, so a file that cannot be played is named before
// anything is written. User-interface thread only; the message sink must outlive the editor.
class SoundtrackListEditor {
 public:
  // Asks the user for an audio file, starting at startPath; empty when cancelled.
  using ChooseFile = std::function<std::u16string(const std::u16string& startPath)>;
  // Why a file cannot be played under the movie, naming it; empty when it can.
  using FileProblem = std::function<std::u16string(const std::u16string& file)>;

  SoundtrackListEditor(ChooseFile choose, FileProblem problem, MessageSink& messages)
      : choose_(std::move(choose)), problem_(std::move(problem)), messages_(messages) {}

  // The stored list and loop into the controls, with the texts.
  void Open(DialogControls& controls, const Settings& settings, const FLocale& locale);
  // Handles a click on the list's buttons or a new choice in it; false for other controls.
  bool OnChanged(DialogControls& controls, int id);
  // On OK: true when every file can be played; otherwise the first problem is shown and that
  // file chosen in the list.
  bool Check(DialogControls& controls);
  void StoreTo(Settings& settings, const DialogControls& controls) const;

 private:
  void Add(DialogControls& controls);
  void Remove(DialogControls& controls);
  void Move(DialogControls& controls, int step);
  // The list shown anew with entry selected, and the buttons that can act enabled.
  void Show(DialogControls& controls, int selected);
  void EnableButtons(DialogControls& controls) const;

  ChooseFile choose_;
  FileProblem problem_;
  MessageSink& messages_;
  std::vector<std::u16string> files_;
  // Set while the editor refills the list, whose change reports are its own.
  bool showing_ = false;
};
