#include "platform/com/HResultText.h"

#include <gtest/gtest.h>

#include <cerrno>

TEST(HResultTextTest, SystemErrorsInTheSystemsWordsOthersAsTheirCode) {
  EXPECT_EQ(HResultText(HResultFromWin32(ENOSPC)), u"No space left on device");
  EXPECT_EQ(HResultText(HResultFromWin32(EACCES)), u"Permission denied");
  EXPECT_EQ(HResultText(E_FAIL), u"error 0x80004005");
  EXPECT_EQ(HResultText(VFW_E_TYPE_NOT_ACCEPTED), u"error 0x8004022A");
}
