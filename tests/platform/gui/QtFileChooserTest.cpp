#include "platform/gui/QtFileChooser.h"

#include <gtest/gtest.h>

TEST(QtFileChooserTest, TheFilterOffersBothCasesOfEveryPattern) {
  FileChooserRequest request;
  request.filterDescription = u"Photos (.BMP, .JPG)";
  request.filterPattern = u"*.BMP;*.JPG;";
  EXPECT_EQ(QtFileChooser::NameFilter(request), u"Photos (.BMP, .JPG) (*.BMP *.bmp *.JPG *.jpg)");
  request.filterPattern = u"*";
  EXPECT_EQ(QtFileChooser::NameFilter(request), u"Photos (.BMP, .JPG) (*)");
}
