#include "app/UpdateMenus.h"

#include <string>
#include <utility>

#include "photos/FilePaths.h"
#include "platform/gui/MenuBar.h"
#include "resources/CommandId.h"
#include "settings/FLocale.h"
#include "settings/Settings.h"

namespace {

// An empty text would leave a menu item that cannot be seen or clicked.
std::u16string Visible(std::u16string text) { return text.empty() ? u" " : text; }

class Labeller {
 public:
  Labeller(MenuBar& menu, const FLocale& locale) : menu_(menu), locale_(locale) {}

  void TopLevel(int position, int text) { menu_.SetTopLevelText(position, Visible(locale_.GetText(text))); }
  void Item(int command, int text, const std::u16string& hint = {}) {
    menu_.SetItemText(command, Visible(locale_.GetText(text) + hint));
  }
  void Items(std::initializer_list<std::pair<int, int>> pairs) {
    for (const auto& [command, text] : pairs) Item(command, text);
  }

 private:
  MenuBar& menu_;
  const FLocale& locale_;
};

void LabelFileAndPlay(MenuBar& menu, Labeller& label, const FLocale& locale) {
  label.TopLevel(0, 0);
  menu.SetSubmenuItemText(0, 1, Visible(locale.GetText(2)));
  label.Items({{CommandId::SelectFolder, 1}, {CommandId::SortByName, 98}, {CommandId::SortByDate, 99},
               {CommandId::ExportMovie, 73}, {CommandId::Exit, 3}});
  label.TopLevel(1, 4);
  label.Items({{CommandId::NextPage, 5}, {CommandId::PreviousPage, 6}, {CommandId::FirstPage, 7}, {CommandId::LastPage, 8}});
  label.Item(CommandId::PlayTour, 113, u"\tShift+F9");
  label.Item(CommandId::RepeatTour, 114);
  label.TopLevel(2, 9);
  label.Items({{CommandId::ChangeEffect, 71}, {CommandId::RotateClockwise, 10}, {CommandId::RotateCounterClockwise, 11},
               {CommandId::FlipHorizontal, 12}, {CommandId::FlipVertical, 13}, {CommandId::CopyPhoto, 14},
               {CommandId::UseCameraOrientation, 108}});
}

void LabelViewAndLight(Labeller& label) {
  label.TopLevel(3, 16);
  for (int view = 0; view < 8; ++view)
    label.Item(CommandId::ViewFront + view, 17 + view, u"\tF" + std::u16string(1, u'1' + view));
  label.TopLevel(4, 25);
  for (int light = 0; light < 4; ++light)
    label.Item(CommandId::LightLeft + light, 26 + light, u"\t" + std::u16string(1, u'1' + light));
}

void LabelSettingsAndHelp(MenuBar& menu, Labeller& label, const FLocale& locale) {
  label.TopLevel(5, 30);
  label.Items({{CommandId::SetBackgroundColour, 31}, {CommandId::SetBackgroundTexture, 32}, {CommandId::SetCoverColour, 82},
               {CommandId::SetCoverTexture, 83}, {CommandId::SetPaperColour, 33}, {CommandId::SetPaperTexture, 74},
               {CommandId::ShinyPaper, 35}, {CommandId::ShinyPhotos, 34}, {CommandId::LightenPhotos, 37},
               {CommandId::RenderTransparentPage, 97}, {CommandId::SetTransparentPaperTexture, 75},
               {CommandId::RenderShadows, 36}, {CommandId::RightToLeftBook, 116}, {CommandId::SetAnimationSpeed, 96},
               {CommandId::LowQuality, 38}, {CommandId::NormalQuality, 39}, {CommandId::HighQuality, 40}});
  // Whoever picked a language they cannot read must still find the way back.
  std::u16string language = locale.GetText(42);
  if (language.find(u"Language") == std::u16string::npos) language += u" (Set Language)";
  menu.SetItemText(CommandId::SetLanguage, Visible(language));
  label.Items({{CommandId::ResetAllSettings, 41}});
  label.TopLevel(6, 44);
  label.Items({{CommandId::UserGuide, 45}, {CommandId::About, 47}});
}

void SetChecks(MenuBar& menu, const Settings& settings) {
  menu.SetItemChecked(CommandId::LightenPhotos, settings.LightenPhotos);
  menu.SetItemChecked(CommandId::RenderShadows, settings.RenderShadows);
  menu.SetItemChecked(CommandId::RenderTransparentPage, settings.RenderTransparentPage);
  menu.SetItemChecked(CommandId::ShinyPaper, settings.ShinyPaper);
  menu.SetItemChecked(CommandId::ShinyPhotos, settings.ShinyPhotos);
  menu.SetItemChecked(CommandId::LowQuality, settings.Quality == 0);
  menu.SetItemChecked(CommandId::NormalQuality, settings.Quality == 1);
  menu.SetItemChecked(CommandId::HighQuality, settings.Quality == 2);
  menu.SetItemChecked(CommandId::UseCameraOrientation, settings.UseCameraOrientation);
  menu.SetItemChecked(CommandId::RepeatTour, settings.RepeatTour);
  menu.SetItemChecked(CommandId::RightToLeftBook, settings.RightToLeftBook);
}

void SetRecentFolders(MenuBar& menu, const Settings& settings) {
  for (int i = 0; i < Settings::kRecentPathCount; ++i)
    menu.SetItemText(CommandId::RecentFolder0 + i, Visible(FolderOf(settings.GetRecentPath(i))));
}

}  // namespace

void UpdateMenus(MenuBar* menu, const FLocale& locale, const Settings& settings) {
  if (menu == nullptr) return;
  Labeller label(*menu, locale);
  LabelFileAndPlay(*menu, label, locale);
  LabelViewAndLight(label);
  LabelSettingsAndHelp(*menu, label, locale);
  SetChecks(*menu, settings);
  SetRecentFolders(*menu, settings);
  menu->SetItemChecked(CommandId::SortByName, settings.Sort == 0);
  menu->SetItemChecked(CommandId::SortByDate, settings.Sort == 1);
}
