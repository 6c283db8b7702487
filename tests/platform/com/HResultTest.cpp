#include <gtest/gtest.h>

#include <cerrno>

#include "platform/com/HResult.h"

namespace {

TEST(HResultTest, SuccessCodesIncludeTheNoAnswersAndFailuresAreNegative) {
  for (HRESULT hr : {S_OK, S_FALSE, VFW_S_NO_MORE_ITEMS}) {
    EXPECT_TRUE(SUCCEEDED(hr)) << hr;
    EXPECT_FALSE(FAILED(hr)) << hr;
  }
  for (HRESULT hr : {E_FAIL, E_POINTER, E_INVALIDARG, E_OUTOFMEMORY, E_NOTIMPL, E_UNEXPECTED, E_NOINTERFACE,
                     VFW_E_TYPE_NOT_ACCEPTED, VFW_E_ENUM_OUT_OF_SYNC}) {
    EXPECT_TRUE(FAILED(hr)) << hr;
    EXPECT_FALSE(SUCCEEDED(hr)) << hr;
  }
}

// Two of the fixed codes are system errors of facility WIN32: the maker must agree with them.
TEST(HResultTest, SystemErrorsBecomeWin32FacilityFailures) {
  EXPECT_EQ(HResultFromWin32(14), E_OUTOFMEMORY);
  EXPECT_EQ(HResultFromWin32(87), E_INVALIDARG);
  EXPECT_EQ(static_cast<uint32_t>(HResultFromWin32(5)), 0x80070005u);
  EXPECT_EQ(static_cast<uint32_t>(HResultFromWin32(0x12345)), 0x80072345u) << "only the low 16 bits are kept";
  EXPECT_EQ(HResultFromWin32(0), S_OK);
  EXPECT_EQ(HResultFromWin32(E_FAIL), E_FAIL);
}

TEST(HResultTest, LastErrorIsNeverASuccess) {
  errno = ENOENT;
  EXPECT_EQ(HResultFromLastError(), HResultFromWin32(ENOENT));
  errno = 0;
  EXPECT_EQ(HResultFromLastError(), E_FAIL);
}

}  // namespace
