#include "app/ViewerInput.h"

#include "app/KeyTable.h"
#include "app/PhotoBookApp.h"
#include "app/VirtualKey.h"
#include "book/CameraAnimator.h"
#include "framework/FrameworkControl.h"
#include "settings/Settings.h"

namespace {

using Kind = KeyAction::Kind;

}  // namespace

bool ViewerInput::KeyDown(int virtualKey) {
  const bool escape = virtualKey == VirtualKey::Escape;
  if (app_.mode() == AppMode::Exporting) {
    if (escape) app_.EndExport();
    return escape;
  }
  Run(KeyActionFor(virtualKey, app_.settings().RightToLeftBook));
  return escape;
}

void ViewerInput::Run(const KeyAction& action) {
  switch (action.kind) {
    case Kind::PreviousPage:
      app_.PreviousPage();
      break;
    case Kind::NextPage:
      app_.NextPage();
      break;
    case Kind::ToggleWireframe:
      app_.ToggleWireframe();
      break;
    case Kind::Escape:
      if (app_.services().framework.IsWindowed())
        app_.RequestClose();
      else
        app_.ToggleFullScreen();
      break;
    case Kind::Light:
      app_.SetLight(action.argument);
      break;
    case Kind::FirstPage:
      app_.GoToFirstPage();
      break;
    case Kind::TechInfo:
      app_.ShowTechInfo();
      break;
    case Kind::View:
      app_.spread().SelectViewByKey(action.argument);
      break;
    case Kind::None:
      break;
    default:
      Nudge(action);
      break;
  }
}

// Each nudge is stored into the view the camera is on, so the views keep the user's changes.
void ViewerInput::Nudge(const KeyAction& action) {
  CameraAnimator& camera = app_.camera();
  const int s = action.argument;
  switch (action.kind) {
    case Kind::MoveForward:
      camera.MoveForward(s);
      break;
    case Kind::Strafe:
      camera.Strafe(s);
      break;
    case Kind::Yaw:
      camera.NudgeYaw(s);
      break;
    case Kind::Pitch:
      camera.NudgePitch(s);
      break;
    case Kind::FieldOfView:
      camera.NudgeFieldOfView(s);
      break;
    default:
      break;
  }
}

void ViewerInput::LeftClick(int x, int y) {
  const PickResult pick = app_.PickAt(x, y);
  if (!pick.hit) return;
  if (pick.code == PickResult::kLeftPaper) {
    app_.PreviousPage();
  } else if (pick.code == PickResult::kRightPaper) {
    app_.NextPage();
  } else if (pick.code >= 0 && pick.code < app_.photoCount()) {
    app_.spread().ClickPhoto(pick.code, pick.preset);
  }
}

void ViewerInput::RightClick(int x, int y) {
  const PickResult pick = app_.PickAt(x, y);
  if (!pick.hit) return;
  switch (pick.code) {
    case PickResult::kBackground:
      app_.ShowContextMenu(x, y, ContextMenuKind::Background);
      break;
    case PickResult::kCover:
      app_.ShowContextMenu(x, y, ContextMenuKind::Cover);
      break;
    case PickResult::kLeftPaper:
    case PickResult::kRightPaper:
      app_.ShowContextMenu(x, y, ContextMenuKind::Paper);
      break;
    case PickResult::kTurningPaper:
      break;
    default:
      app_.spread().selectedPhoto = pick.code;
      app_.ShowContextMenu(x, y, ContextMenuKind::Photo);
      break;
  }
}
