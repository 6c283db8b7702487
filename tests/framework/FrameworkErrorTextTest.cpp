#include <gtest/gtest.h>

#include "framework/FrameworkErrorText.h"

namespace {

using S = FrameworkStatus;

TEST(FrameworkErrorTextTest, EachStatusHasItsExitCode) {
  const std::pair<S, int> codes[] = {{S::NoGraphicsRuntime, 2},     {S::NoCompatibleDevices, 3},
                                     {S::MediaNotFound, 4},         {S::NonZeroReferenceCount, 5},
                                     {S::CreatingDevice, 6},        {S::ResettingDevice, 7},
                                     {S::CreatingDeviceObjects, 8}, {S::ResettingDeviceObjects, 9},
                                     {S::DeviceRemoved, 11},        {static_cast<S>(0x80004005u), 1}};
  for (const auto& [status, code] : codes) {
    EXPECT_EQ(FrameworkErrorText::For(status).exitCode, code) << std::hex << static_cast<uint32_t>(status);
  }
}

TEST(FrameworkErrorTextTest, TextsAreTheFrameworksOwnWords) {
  EXPECT_EQ(FrameworkErrorText::For(S::NoGraphicsRuntime).text,
            u"Could not initialize Direct3D 9. Check that the latest version of DirectX is correctly installed on "
            u"your system.  Also make sure that this program was compiled with header files that match the installed "
            u"DirectX DLLs.");
  EXPECT_EQ(FrameworkErrorText::For(S::NoCompatibleDevices).text,
            u"Could not find any compatible Direct3D devices.\n\nYour graphics card is not powerful enough to run "
            u"this application.");
  EXPECT_EQ(FrameworkErrorText::For(S::NoCompatibleDevices, true).text,
            u"Direct3D does not work over a remote session.");
  EXPECT_EQ(FrameworkErrorText::For(S::ResettingDeviceObjects).text,
            u"An error occurred in the device reset callback function.");
  EXPECT_EQ(FrameworkErrorText::For(S::DeviceRemoved).text, u"The Direct3D device was removed.");
}

TEST(FrameworkErrorTextTest, UnknownStatusesShowNothing) {
  EXPECT_TRUE(FrameworkErrorText::For(static_cast<S>(0x80040909u)).text.empty());
  EXPECT_TRUE(FrameworkErrorText::For(S::Ok).text.empty());
}

}  // namespace
