#include "platform/gui/AboutDialogLayout.h"

#include <gtest/gtest.h>

TEST(AboutDialogLayoutTest, ClientFitsThePictureAndTheWholeDialogIsCentred) {
  const AboutDialogLayout layout = AboutDialogLayout::For({450, 380}, {438, 350}, {1920, 1080}, {113, 24});
  EXPECT_EQ(layout.outerWidth, 652);
  EXPECT_EQ(layout.outerHeight, 510);
  EXPECT_EQ(layout.left, (1920 - 652) / 2);
  EXPECT_EQ(layout.top, (1080 - 510) / 2);
  EXPECT_EQ(layout.buttonLeft, 380 - 56);
  EXPECT_EQ(layout.buttonTop, 440);
}
