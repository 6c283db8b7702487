#include "resources/MainMenu.h"

#include "resources/CommandId.h"

namespace {

using M = MenuResource;
namespace C = CommandId;

std::vector<MenuResource> RecentFolders() {
  std::vector<MenuResource> items;
  for (int i = 0; i < 10; ++i) items.push_back(M::Item(C::RecentFolder0 + i, u" "));
  return items;
}

M FileMenu() {
  return M::Submenu(u"&File", {M::Item(C::SelectFolder, u"Select Folder"), M::Submenu(u"Recent Folders", RecentFolders()),
                               M::Separator(), M::Item(C::SortByName, u"Sort by Name"),
                               M::Item(C::SortByDate, u"Sort by Date"), M::Separator(),
                               M::Item(C::ExportMovie, u"Export as Movie..."), M::Separator(),
                               M::Item(C::Exit, u"E&xit\tESC")});
}

M PlayMenu() {
  return M::Submenu(u"&Play", {M::Item(C::NextPage, u"Next Page\tPage Down"),
                               M::Item(C::PreviousPage, u"Previous Page\tPage Up"),
                               M::Item(C::FirstPage, u"Go to first Page"), M::Item(C::LastPage, u"Go to last Page"),
                               M::Separator(), M::Item(C::PlayTour, u"Play Tour\tShift+F9"),
                               M::Item(C::RepeatTour, u"Repeat Tour")});
}

M PhotoMenu() {
  return M::Submenu(u"P&hoto", {M::Item(C::ChangeEffect, u"Change Effect..."), M::Separator(),
                                M::Item(C::RotateClockwise, u"Rotate Clockwise"),
                                M::Item(C::RotateCounterClockwise, u"Rotate Counter Clockwise"),
                                M::Item(C::FlipHorizontal, u"Flip Horizontal"),
                                M::Item(C::FlipVertical, u"Flip Vertical"), M::Item(C::CopyPhoto, u"Copy..."),
                                M::Separator(), M::Item(C::UseCameraOrientation, u"Use Camera Orientation")});
}

M ViewMenu() {
  const char16_t* names[] = {u"Front", u"Top", u"Left", u"Right", u"Photo Top Left", u"Photo Bottom Left",
                             u"Photo Top Right", u"Photo Bottom Right"};
  std::vector<MenuResource> items;
  for (int view = 0; view < 8; ++view) {
    if (view == 4) items.push_back(M::Separator());
    items.push_back(M::Item(C::ViewFront + view, names[view] + std::u16string(u"\tF") + char16_t(u'1' + view)));
  }
  return M::Submenu(u"&View", std::move(items));
}

M LightMenu() {
  const char16_t* names[] = {u"Left", u"Right", u"Top", u"Front"};
  std::vector<MenuResource> items;
  for (int light = 0; light < 4; ++light)
    items.push_back(M::Item(C::LightLeft + light, names[light] + std::u16string(u"\t") + char16_t(u'1' + light)));
  return M::Submenu(u"&Light", std::move(items));
}

M SettingsMenu() {
  return M::Submenu(
      u"&Settings",
      {M::Item(C::SetBackgroundColour, u"Set Background Colour..."),
       M::Item(C::SetBackgroundTexture, u"Set Background Picture..."), M::Separator(),
       M::Item(C::SetCoverColour, u"Set Cover Colour..."), M::Item(C::SetCoverTexture, u"Set Cover Texture..."),
       M::Separator(), M::Item(C::SetPaperColour, u"Set Paper Colour..."),
       M::Item(C::SetPaperTexture, u"Set Paper Texture..."), M::Item(C::ShinyPaper, u"Shiny Paper"), M::Separator(),
       M::Item(C::ShinyPhotos, u"Shiny Photos"), M::Item(C::LightenPhotos, u"Lighten Photos"), M::Separator(),
       M::Item(C::RenderTransparentPage, u"Render Transparent Page..."),
       M::Item(C::SetTransparentPaperTexture, u"Set Transparent Paper Texture..."), M::Separator(),
       M::Item(C::RenderShadows, u"Render Shadows"), M::Separator(),
       M::Item(C::RightToLeftBook, u"Right-to-Left Book"), M::Separator(),
       M::Item(C::SetAnimationSpeed, u"Set Animation Speed..."), M::Separator(),
       M::Item(C::LowQuality, u"Low Quality"), M::Item(C::NormalQuality, u"Normal Quality"),
       M::Item(C::HighQuality, u"High Quality"), M::Separator(), M::Item(C::SetLanguage, u"Set Language..."),
       M::Separator(), M::Item(C::ResetAllSettings, u"Reset All Settings")});
}

M HelpMenu() {
  return M::Submenu(u"&Help", {M::Item(C::UserGuide, u"User Guide..."), M::Separator(), M::Item(C::About, u"About")});
}

}  // namespace

const std::vector<MenuResource>& MainMenuResource() {
  static const std::vector<MenuResource> menu = {FileMenu(),  PlayMenu(),     PhotoMenu(), ViewMenu(),
                                                 LightMenu(), SettingsMenu(), HelpMenu()};
  return menu;
}
