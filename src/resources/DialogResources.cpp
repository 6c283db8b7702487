#include "resources/DialogResources.h"

#include "resources/ControlId.h"

namespace {

using Kind = DialogControlTemplate::Kind;
namespace Id = ControlId;

DialogControlTemplate Control(int id, Kind kind, int x, int y, int width, int height, std::u16string text = {}) {
  return {id, kind, x, y, width, height, std::move(text), false};
}

DialogControlTemplate NumberEdit(int id, int x, int y, int width, int height) {
  return {id, Kind::Edit, x, y, width, height, {}, true};
}

std::vector<DialogControlTemplate> ExportFileFormatAndSpeed() {
  return {Control(Id::ExportFileFormatGroup, Kind::GroupBox, 5, 5, 180, 55, u"File Format"),
          Control(Id::ExportUncompressed, Kind::RadioButton, 15, 20, 153, 12, u"Uncompressed AVI"),
          Control(Id::ExportCompressed, Kind::RadioButton, 15, 40, 154, 13, u"Compressed AVI"),
          Control(Id::ExportSpeedGroup, Kind::GroupBox, 5, 70, 180, 80, u"Animation Speed"),
          Control(Id::ExportTimePageLabel, Kind::Label, 15, 85, 125, 15, u"Page turning Speed in Seconds"),
          NumberEdit(Id::ExportTimePage, 144, 85, 25, 15),
          Control(Id::ExportTimeZoomLabel, Kind::Label, 15, 105, 125, 15, u"Zoom Speed in Seconds"),
          NumberEdit(Id::ExportTimeZoom, 144, 105, 25, 15),
          Control(Id::ExportTimeViewLabel, Kind::Label, 15, 125, 125, 15, u"Photo View Time in Seconds"),
          NumberEdit(Id::ExportTimeView, 144, 125, 25, 15),
          Control(Id::ExportAntialiasingGroup, Kind::GroupBox, 5, 160, 180, 40, u"Antialiasing Quality"),
          Control(Id::ExportAntialiasingList, Kind::DropDownList, 20, 175, 153, 19)};
}

std::vector<DialogControlTemplate> ExportResolution() {
  return {Control(Id::ExportResolutionGroup, Kind::GroupBox, 195, 5, 180, 145, u"Resolution and FPS"),
          Control(Id::ExportWidthLabel, Kind::Label, 211, 20, 85, 15, u"Width in Pixels"),
          NumberEdit(Id::ExportWidth, 310, 20, 50, 15),
          Control(Id::ExportHeightLabel, Kind::Label, 211, 40, 85, 15, u"Height in Pixels"),
          NumberEdit(Id::ExportHeight, 310, 40, 50, 15),
          Control(Id::ExportDisplayAspectLabel, Kind::Label, 211, 60, 85, 15, u"Display Aspect Ratio"),
          Control(Id::ExportDisplayAspect, Kind::Edit, 310, 60, 50, 15),
          Control(Id::ExportPixelAspectLabel, Kind::Label, 211, 80, 85, 15, u"Pixel Aspect Ratio"),
          Control(Id::ExportPixelAspect, Kind::Edit, 310, 80, 50, 15),
          Control(Id::ExportFpsLabel, Kind::Label, 211, 100, 85, 15, u"Frames per Second"),
          NumberEdit(Id::ExportFps, 310, 100, 50, 15),
          Control(Id::ExportPresetList, Kind::DropDownList, 210, 120, 150, 157)};
}

// The audio files under the movie in playing order, below the settings of the picture; the
// arrows move the chosen file up or down the list.
std::vector<DialogControlTemplate> ExportSoundtrack() {
  return {Control(Id::ExportSoundtrackGroup, Kind::GroupBox, 5, 205, 370, 80, u"Soundtrack"),
          Control(Id::ExportSoundtrackList, Kind::ListBox, 15, 218, 255, 60),
          Control(Id::ExportSoundtrackAdd, Kind::Button, 280, 218, 85, 14, u"Add..."),
          Control(Id::ExportSoundtrackRemove, Kind::Button, 280, 235, 85, 14, u"Remove"),
          Control(Id::ExportSoundtrackUp, Kind::Button, 280, 252, 41, 14, u"\u25B2"),
          Control(Id::ExportSoundtrackDown, Kind::Button, 324, 252, 41, 14, u"\u25BC"),
          Control(Id::ExportSoundtrackLoop, Kind::CheckBox, 280, 269, 85, 12, u"Loop"),
          Control(Id::Ok, Kind::DefaultButton, 219, 293, 75, 15, u"OK"),
          Control(Id::Cancel, Kind::Button, 300, 293, 75, 15, u"Cancel")};
}

DialogTemplate MakeExportSettings() {
  DialogTemplate dialog{149, 380, 315, u"Export as Movie...", ExportFileFormatAndSpeed()};
  for (auto part : {ExportResolution, ExportSoundtrack}) {
    for (DialogControlTemplate& control : part()) dialog.controls.push_back(std::move(control));
  }
  return dialog;
}

DialogTemplate MakeAnimationSpeed() {
  return {151,
          165,
          85,
          u"Set Animation Speed...",
          {Control(Id::SpeedTimePageLabel, Kind::Label, 5, 5, 125, 15, u"Page turning Speed in Seconds"),
           NumberEdit(Id::SpeedTimePage, 135, 5, 25, 15),
           Control(Id::SpeedTimeZoomLabel, Kind::Label, 5, 25, 125, 15, u"Zoom Speed in Seconds"),
           NumberEdit(Id::SpeedTimeZoom, 135, 25, 25, 15),
           Control(Id::SpeedTimeViewLabel, Kind::Label, 5, 45, 125, 15, u"Photo View Time in Seconds"),
           NumberEdit(Id::SpeedTimeView, 135, 45, 25, 15),
           Control(Id::Ok, Kind::DefaultButton, 5, 65, 75, 15, u"OK"),
           Control(Id::Cancel, Kind::Button, 85, 65, 75, 15, u"Cancel")}};
}

DialogTemplate MakeEncoderChoice() {
  return {150,
          300,
          75,
          u"Select DirectShow Encoder Filter",
          {Control(Id::EncoderGroup, Kind::GroupBox, 5, 5, 200, 60, u"Select Encoder"),
           Control(Id::EncoderList, Kind::DropDownList, 15, 20, 175, 160),
           Control(Id::EncoderSettings, Kind::Button, 15, 40, 75, 15, u"Settings"),
           Control(Id::EncoderAbout, Kind::Button, 115, 40, 75, 15, u"About"),
           Control(Id::Ok, Kind::DefaultButton, 220, 20, 75, 15, u"OK"),
           Control(Id::Cancel, Kind::Button, 220, 40, 75, 15, u"Cancel")}};
}

}  // namespace

const DialogTemplate& AboutDialogResource() {
  static const DialogTemplate dialog{
      147, 292, 206, u"About", {Control(ControlId::Ok, Kind::DefaultButton, 126, 174, 75, 15, u"OK")}};
  return dialog;
}

const DialogTemplate& ExportSettingsDialogResource() {
  static const DialogTemplate dialog = MakeExportSettings();
  return dialog;
}

const DialogTemplate& AnimationSpeedDialogResource() {
  static const DialogTemplate dialog = MakeAnimationSpeed();
  return dialog;
}

const DialogTemplate& EncoderDialogResource() {
  static const DialogTemplate dialog = MakeEncoderChoice();
  return dialog;
}
