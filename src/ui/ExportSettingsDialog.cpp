#include "ui/ExportSettingsDialog.h"

#include <array>
#include <utility>

#include "export/ExportDialogValues.h"
#include "export/ExportPresetTable.h"
#include "export/RatioText.h"
#include "platform/gui/DialogControls.h"
#include "platform/gui/MessageSink.h"
#include "resources/ControlId.h"
#include "settings/FLocale.h"
#include "settings/Settings.h"
#include "ui/ControlValues.h"

namespace {

namespace Id = ControlId;

constexpr int kCaptionText = 76;
constexpr int kFirstAntialiasingText = 101;
constexpr int kAntialiasingEntries = 5;
constexpr int kSuperHighQualityEntry = 3;
constexpr int kScreenGrabEntry = 4;

// Which interface text each fixed control shows.
constexpr std::array<std::pair<int, int>, 16> kControlTexts{{{Id::ExportFileFormatGroup, 84},
                                                             {Id::ExportUncompressed, 85},
                                                             {Id::ExportCompressed, 86},
                                                             {Id::ExportSpeedGroup, 90},
                                                             {Id::ExportTimePageLabel, 91},
                                                             {Id::ExportTimeZoomLabel, 92},
                                                             {Id::ExportTimeViewLabel, 93},
                                                             {Id::ExportAntialiasingGroup, 100},
                                                             {Id::ExportResolutionGroup, 94},
                                                             {Id::ExportWidthLabel, 77},
                                                             {Id::ExportHeightLabel, 78},
                                                             {Id::ExportDisplayAspectLabel, 79},
                                                             {Id::ExportPixelAspectLabel, 80},
                                                             {Id::ExportFpsLabel, 81},
                                                             {Id::Ok, 63},
                                                             {Id::Cancel, 65}}};

constexpr char16_t kSuperHighQualityWarning[] = u"Warning: Super High Quality is slow and requires a lot of memory.";
constexpr char16_t kScreenGrabWarning[] =
    u"When making screengrabs you have to keep the render window completely visible and on top of all other "
    u"windows.\n\nOther limitations:\n-you can't create resolutions bigger than your desktop\n-you can't export "
    u"with transparency info";

float DisplayAspect(int32_t width, int32_t height, float pixelAspect) {
  return height == 0 ? 0.0f : static_cast<float>(width) * pixelAspect / static_cast<float>(height);
}

float RatioIn(const DialogControls& controls, int id) { return ParseRatioText(GetControlText(controls, id)); }

// Runs a write of the dialog's own with the change reports it causes ignored.
template <typename Write>
void Quietly(bool& updating, Write write) {
  updating = true;
  write();
  updating = false;
}

}  // namespace

void ExportSettingsDialog::OnInit(DialogControls& controls) {
  Quietly(updating_, [&] {
    SetTexts(controls);
    SetValues(controls);
    FillPresetList(controls);
    FillAntialiasingList(controls);
    soundtrack_.Open(controls, settings_, locale_);
  });
  controls.SetFocus(Id::ExportPresetList);
}

void ExportSettingsDialog::SetTexts(DialogControls& controls) const {
  controls.SetCaption(u"Pagewing " + locale_.GetText(kCaptionText));
  for (const auto& [id, text] : kControlTexts) SetControlText(controls, id, locale_.GetText(text));
}

void ExportSettingsDialog::SetValues(DialogControls& controls) const {
  const Settings& s = settings_;
  SetItemInteger(controls, Id::ExportWidth, s.ExportWidth, true);
  SetItemInteger(controls, Id::ExportHeight, s.ExportHeight, true);
  SetControlText(controls, Id::ExportDisplayAspect,
                 FormatRatioText(DisplayAspect(s.ExportWidth, s.ExportHeight, s.ExportPAR)));
  SetControlText(controls, Id::ExportPixelAspect, FormatRatioText(s.ExportPAR));
  SetItemFloat(controls, Id::ExportFps, s.ExportFPS, true);
  controls.SetChecked(Id::ExportUncompressed, s.ExportType == 0);
  controls.SetChecked(Id::ExportCompressed, s.ExportType == 1);
  SetItemInteger(controls, Id::ExportTimePage, s.TimePage, true);
  SetItemInteger(controls, Id::ExportTimeZoom, s.TimeZoom, true);
  SetItemInteger(controls, Id::ExportTimeView, s.TimeView, true);
}

void ExportSettingsDialog::FillPresetList(DialogControls& controls) const {
  for (const ExportPreset& preset : ExportPresetTable::Rows()) controls.AddListEntry(Id::ExportPresetList, preset.name);
  const Settings& s = settings_;
  SelectListIndex(controls, Id::ExportPresetList,
                  ExportPresetTable::MatchingRow(s.ExportWidth, s.ExportHeight, s.ExportPAR, s.ExportFPS));
}

void ExportSettingsDialog::FillAntialiasingList(DialogControls& controls) const {
  for (int entry = 0; entry < kAntialiasingEntries; ++entry)
    controls.AddListEntry(Id::ExportAntialiasingList, locale_.GetText(kFirstAntialiasingText + entry));
  SelectListIndex(controls, Id::ExportAntialiasingList,
                  ExportDialogValues::AntialiasingListIndex(settings_.AntialiasingQuality));
}

void ExportSettingsDialog::OnChanged(DialogControls& controls, int id) {
  if (updating_ || soundtrack_.OnChanged(controls, id)) return;
  switch (id) {
    case Id::ExportPresetList:
      ApplyPreset(controls);
      break;
    case Id::ExportWidth:
    case Id::ExportHeight:
    case Id::ExportPixelAspect:
      UpdateDisplayAspect(controls);
      break;
    case Id::ExportDisplayAspect:
      UpdateHeight(controls);
      break;
    case Id::ExportAntialiasingList:
      WarnAboutAntialiasing(controls);
      break;
    default:
      break;
  }
}

void ExportSettingsDialog::ApplyPreset(DialogControls& controls) {
  const int row = controls.ListSelection(Id::ExportPresetList);
  if (row < 1 || row >= ExportPresetTable::kRowCount) return;
  const ExportPreset& preset = ExportPresetTable::Rows()[row];
  Quietly(updating_, [&] {
    SetItemInteger(controls, Id::ExportWidth, preset.width, true);
    SetItemInteger(controls, Id::ExportHeight, preset.height, true);
    SetControlText(controls, Id::ExportDisplayAspect, FormatRatioText(preset.displayAspect));
    SetControlText(controls, Id::ExportPixelAspect, FormatRatioText(preset.pixelAspect));
    SetItemFloat(controls, Id::ExportFps, preset.framesPerSecond, true);
  });
}

void ExportSettingsDialog::UpdateDisplayAspect(DialogControls& controls) {
  const int32_t width = GetItemInteger(controls, Id::ExportWidth);
  const int32_t height = GetItemInteger(controls, Id::ExportHeight);
  const float pixelAspect = RatioIn(controls, Id::ExportPixelAspect);
  Quietly(updating_, [&] {
    if (width >= 1 && height >= 1)
      SetControlText(controls, Id::ExportDisplayAspect, FormatRatioText(DisplayAspect(width, height, pixelAspect)));
    SelectListIndex(controls, Id::ExportPresetList, ExportPresetTable::kCustomRow);
  });
}

void ExportSettingsDialog::UpdateHeight(DialogControls& controls) {
  const int32_t width = GetItemInteger(controls, Id::ExportWidth);
  const float pixelAspect = RatioIn(controls, Id::ExportPixelAspect);
  const float displayAspect = RatioIn(controls, Id::ExportDisplayAspect);
  Quietly(updating_, [&] {
    if (displayAspect > 0) {
      const float height = static_cast<float>(width) * pixelAspect / displayAspect;
      SetItemInteger(controls, Id::ExportHeight, static_cast<int32_t>(height), true);
    }
    SelectListIndex(controls, Id::ExportPresetList, ExportPresetTable::kCustomRow);
  });
}

void ExportSettingsDialog::WarnAboutAntialiasing(const DialogControls& controls) const {
  const int entry = controls.ListSelection(Id::ExportAntialiasingList);
  if (entry == kSuperHighQualityEntry) messages_.ShowMessage(kSuperHighQualityWarning, MessageSink::Icon::Warning);
  if (entry == kScreenGrabEntry) messages_.ShowMessage(kScreenGrabWarning, MessageSink::Icon::Warning);
}

bool ExportSettingsDialog::OnOk(DialogControls& controls) {
  if (!soundtrack_.Check(controls)) return false;
  ExportDialogValues values;
  values.width = GetItemInteger(controls, Id::ExportWidth);
  values.height = GetItemInteger(controls, Id::ExportHeight);
  values.pixelAspectText = GetControlText(controls, Id::ExportPixelAspect);
  values.fpsText = GetControlText(controls, Id::ExportFps);
  values.timePage = GetItemInteger(controls, Id::ExportTimePage);
  values.timeZoom = GetItemInteger(controls, Id::ExportTimeZoom);
  values.timeView = GetItemInteger(controls, Id::ExportTimeView);
  values.uncompressedChecked = controls.Checked(Id::ExportUncompressed);
  values.compressedChecked = controls.Checked(Id::ExportCompressed);
  values.antialiasingIndex = controls.ListSelection(Id::ExportAntialiasingList);
  values.ApplyTo(settings_);
  soundtrack_.StoreTo(settings_, controls);
  return true;
}
