#include <gtest/gtest.h>

#include <string>

#include "platform/com/TaskMemory.h"

namespace {

TEST(TaskMemoryTest, StringCopiesKeepEveryCodeUnitAndTheTerminator) {
  const std::u16string name(u"Out\u00e9 pin");
  char16_t* copy = TaskMemCopyString(name);
  ASSERT_NE(copy, nullptr);
  EXPECT_EQ(std::u16string(copy), name);
  TaskMemFree(copy);

  char16_t* empty = TaskMemCopyString(u"");
  ASSERT_NE(empty, nullptr);
  EXPECT_EQ(empty[0], u'\0');
  TaskMemFree(empty);
}

}  // namespace
