#include <gtest/gtest.h>

#include "platform/media/IPin.h"
#include "platform/media/InfoName.h"

namespace {

TEST(InfoNameTest, NamesAreCutToFitWithTheirTerminator) {
  PIN_INFO info;
  std::fill(std::begin(info.achName), std::end(info.achName), u'#');
  CopyInfoName(std::u16string(200, u'x'), info.achName);
  EXPECT_EQ(std::u16string(info.achName), std::u16string(kMaxInfoNameLength, u'x'));
  EXPECT_EQ(std::size(info.achName), kMaxInfoNameLength + 1);

  CopyInfoName(u"Out", info.achName);
  EXPECT_EQ(std::u16string(info.achName), u"Out");
}

}  // namespace
