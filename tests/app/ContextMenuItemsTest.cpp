#include <gtest/gtest.h>

#include <vector>

#include "app/ContextMenuItems.h"
#include "settings/FLocale.h"

namespace {

using Kind = PopupMenuItem::Kind;
using Items = std::vector<PopupMenuItem>;

// The command numbers are written out: they are what the pop-up hands back as a menu command.
TEST(ContextMenuItemsTest, PaperCoverAndBackgroundMenusOfferTheirSurfaceCommands) {
  const FLocale english;
  EXPECT_EQ(ContextMenuItems(ContextMenuKind::Paper, english, u"/x.jpg"),
            (Items{{Kind::Command, 40110, u"Set Paper Colour..."},
                   {Kind::Command, 40106, u"Set Paper Texture..."},
                   {Kind::Separator, 0, u""},
                   {Kind::Command, 40107, u"Set Transparent Paper Texture..."}}));
  EXPECT_EQ(ContextMenuItems(ContextMenuKind::Cover, english, u""),
            (Items{{Kind::Command, 40115, u"Set Cover Colour..."}, {Kind::Command, 40116, u"Set Cover Texture..."}}));
  EXPECT_EQ(ContextMenuItems(ContextMenuKind::Background, english, u""),
            (Items{{Kind::Command, 40108, u"Set Background Colour..."},
                   {Kind::Command, 40109, u"Set Background Picture..."}}));
}

TEST(ContextMenuItemsTest, PhotoMenuStartsWithThePathThenEffectThenThePhotoCommands) {
  const FLocale english;
  const Items items = ContextMenuItems(ContextMenuKind::Photo, english, u"/photos/a.jpg");
  EXPECT_EQ(items, (Items{{Kind::Disabled, 0, u"/photos/a.jpg"},
                          {Kind::Separator, 0, u""},
                          {Kind::Command, 40104, u"Change Effect..."},
                          {Kind::Separator, 0, u""},
                          {Kind::Command, 40117, u"Rotate Clockwise"},
                          {Kind::Command, 40118, u"Rotate Counter Clockwise"},
                          {Kind::Command, 40083, u"Flip Horizontal"},
                          {Kind::Command, 40084, u"Flip Vertical"},
                          {Kind::Command, 40119, u"Copy..."}}));
}

}  // namespace
