#include <gtest/gtest.h>

#include <QKeyEvent>

#include "ui/show/VirtualKeyFromQt.h"

namespace {
int Vk(int qtKey, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
  QKeyEvent event(QEvent::KeyPress, qtKey, modifiers);
  return static_cast<int>(VirtualKeyFromQt(event));
}
}  // namespace

TEST(VirtualKeyFromQt, ModifiersDoNotChangeTheCode) {
  EXPECT_EQ(Vk(Qt::Key_H), 'H');
  EXPECT_EQ(Vk(Qt::Key_H, Qt::ShiftModifier), 'H');
  EXPECT_EQ(Vk(Qt::Key_6, Qt::ControlModifier), '6');
  // Keypad digits (NumLock on) are Key::Numpad0 + 0..9, no command.
  EXPECT_EQ(Vk(Qt::Key_6, Qt::KeypadModifier), 102);
  EXPECT_EQ(Vk(Qt::Key_0, Qt::KeypadModifier), 96);
  // X11 reports Shift+6 as the shifted symbol of the key.
  EXPECT_EQ(Vk(Qt::Key_AsciiCircum, Qt::ShiftModifier), '6');
  EXPECT_EQ(Vk(Qt::Key_Exclam, Qt::ShiftModifier), '1');
  EXPECT_EQ(Vk(Qt::Key_ParenRight, Qt::ShiftModifier), '0');
  EXPECT_EQ(Vk(Qt::Key_Dollar, Qt::ShiftModifier), '4');
  // The same symbol typed without Shift (another layout) is no command key.
  EXPECT_EQ(Vk(Qt::Key_AsciiCircum), 0);
}

TEST(VirtualKeyFromQt, NamedKeys) {
  EXPECT_EQ(Vk(Qt::Key_Space), 32);
  EXPECT_EQ(Vk(Qt::Key_Return), 13);
  EXPECT_EQ(Vk(Qt::Key_Enter, Qt::KeypadModifier), 13);
  EXPECT_EQ(Vk(Qt::Key_Escape), 27);
  EXPECT_EQ(Vk(Qt::Key_Left), 37);
  EXPECT_EQ(Vk(Qt::Key_Right), 39);
  EXPECT_EQ(Vk(Qt::Key_F5), 116);
}

TEST(VirtualKeyFromQt, NativeCodesWinOverTheTypedCharacter) {
  // German layout, Shift+9: the event says ")" but the key is 9.
  QKeyEvent shifted9(QEvent::KeyPress, Qt::Key_ParenRight, Qt::ShiftModifier, 18, 0x29, 0x1);
  EXPECT_EQ(VirtualKeyFromQt(shifted9), Key::Digit9);
  // Russian layout: the key at the US L types Cyrillic de.
  QKeyEvent cyrillic(QEvent::KeyPress, 0x0434, Qt::NoModifier, 46, 0x6c4, 0);
  EXPECT_EQ(VirtualKeyFromQt(cyrillic), Key::L);
}
