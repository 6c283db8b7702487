#include "ui/AnimationSpeedDialog.h"

#include <array>
#include <utility>

#include "export/ExportDialogValues.h"
#include "platform/gui/DialogControls.h"
#include "resources/ControlId.h"
#include "settings/FLocale.h"
#include "settings/Settings.h"
#include "ui/ControlValues.h"

namespace {

namespace Id = ControlId;

constexpr int kCaptionText = 96;
constexpr std::array<std::pair<int, int>, 5> kControlTexts{{{Id::SpeedTimePageLabel, 91},
                                                            {Id::SpeedTimeZoomLabel, 92},
                                                            {Id::SpeedTimeViewLabel, 93},
                                                            {Id::Ok, 63},
                                                            {Id::Cancel, 65}}};

int32_t SecondsIn(const DialogControls& controls, int id) {
  return ExportDialogValues::ClampSeconds(GetItemInteger(controls, id));
}

}  // namespace

void AnimationSpeedDialog::OnInit(DialogControls& controls) {
  controls.SetCaption(locale_.GetText(kCaptionText));
  for (const auto& [id, text] : kControlTexts) SetControlText(controls, id, locale_.GetText(text));
  SetItemInteger(controls, Id::SpeedTimePage, settings_.TimePage, true);
  SetItemInteger(controls, Id::SpeedTimeZoom, settings_.TimeZoom, true);
  SetItemInteger(controls, Id::SpeedTimeView, settings_.TimeView, true);
}

bool AnimationSpeedDialog::OnOk(DialogControls& controls) {
  settings_.TimePage = SecondsIn(controls, Id::SpeedTimePage);
  settings_.TimeZoom = SecondsIn(controls, Id::SpeedTimeZoom);
  settings_.TimeView = SecondsIn(controls, Id::SpeedTimeView);
  return true;
}
