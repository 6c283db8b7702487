#include "app/ContextMenuItems.h"

#include "resources/CommandId.h"
#include "settings/FLocale.h"

namespace {

using Kind = PopupMenuItem::Kind;

class MenuBuilder {
 public:
  explicit MenuBuilder(const FLocale& locale) : locale_(locale) {}
  MenuBuilder& Command(int command, int text) {
    items.push_back({Kind::Command, command, locale_.GetText(text)});
    return *this;
  }
  MenuBuilder& Separator() {
    items.push_back({Kind::Separator, 0, {}});
    return *this;
  }

  std::vector<PopupMenuItem> items;

 private:
  const FLocale& locale_;
};

}  // namespace

std::vector<PopupMenuItem> ContextMenuItems(ContextMenuKind kind, const FLocale& locale,
                                            const std::u16string& photoPath) {
  MenuBuilder menu(locale);
  switch (kind) {
    case ContextMenuKind::Photo:
      menu.items.push_back({Kind::Disabled, 0, photoPath});
      menu.Separator().Command(CommandId::ChangeEffect, 71).Separator();
      menu.Command(CommandId::RotateClockwise, 10).Command(CommandId::RotateCounterClockwise, 11);
      menu.Command(CommandId::FlipHorizontal, 12)
          .Command(CommandId::FlipVertical, 13)
          .Command(CommandId::CopyPhoto, 14);
      break;
    case ContextMenuKind::Paper:
      menu.Command(CommandId::SetPaperColour, 33).Command(CommandId::SetPaperTexture, 74).Separator();
      menu.Command(CommandId::SetTransparentPaperTexture, 75);
      break;
    case ContextMenuKind::Cover:
      menu.Command(CommandId::SetCoverColour, 82).Command(CommandId::SetCoverTexture, 83);
      break;
    case ContextMenuKind::Background:
      menu.Command(CommandId::SetBackgroundColour, 31).Command(CommandId::SetBackgroundTexture, 32);
      break;
  }
  return menu.items;
}
