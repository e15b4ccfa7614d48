#include <gtest/gtest.h>

#include "platform/KeyCode.h"

TEST(VirtualKeyFromNative, WindowsHandsTheVirtualKeyOver) {
  EXPECT_EQ(platform::VirtualKeyFromNative(0x1c, 13), 13);
  EXPECT_EQ(platform::VirtualKeyFromNative(0x4d, 102), 102);  // VK_NUMPAD6: no command
  EXPECT_EQ(platform::VirtualKeyFromNative(0x0b, '0'), '0');
  EXPECT_EQ(platform::VirtualKeyFromNative(0, 0), -1);
}
