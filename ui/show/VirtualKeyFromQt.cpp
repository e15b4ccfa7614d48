#include "ui/show/VirtualKeyFromQt.h"

#include <QKeyEvent>

#include "platform/KeyCode.h"

Key VirtualKeyFromQt(const QKeyEvent& event) {
  // The key itself, as the system names it, so layouts and Shift do not change the command.
  const int native =
      platform::VirtualKeyFromNative(event.nativeScanCode(), event.nativeVirtualKey());
  if (native >= 0) return static_cast<Key>(native);
  // A synthetic event (tests, another program) has only the toolkit's key.
  const int key = event.key();
  if ((event.modifiers() & Qt::KeypadModifier) && key >= Qt::Key_0 && key <= Qt::Key_9)
    return static_cast<Key>(static_cast<int>(Key::Numpad0) + (key - Qt::Key_0));
  // Letters and digits are their own upper-case characters.
  if (key >= Qt::Key_A && key <= Qt::Key_Z) return static_cast<Key>('A' + (key - Qt::Key_A));
  if (key >= Qt::Key_0 && key <= Qt::Key_9) return static_cast<Key>('0' + (key - Qt::Key_0));
  switch (key) {
    case Qt::Key_Space:
      return Key::Space;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return Key::Enter;
    case Qt::Key_Escape:
      return Key::Escape;
    case Qt::Key_Left:
      return Key::Left;
    case Qt::Key_Up:
      return Key::Up;
    case Qt::Key_Right:
      return Key::Right;
    case Qt::Key_Down:
      return Key::Down;
    case Qt::Key_PageUp:
      return Key::PageUp;
    case Qt::Key_PageDown:
      return Key::PageDown;
    case Qt::Key_Shift:
      return Key::Shift;
    case Qt::Key_Control:
      return Key::Control;
    case Qt::Key_Alt:
      return Key::Alt;
    default:
      break;
  }
  if (key >= Qt::Key_F1 && key <= Qt::Key_F24)
    return static_cast<Key>(static_cast<int>(Key::F1) + (key - Qt::Key_F1));
  // With Shift, X11 reports the shifted symbol of a digit key; the modifier must not change
  // the command, so the symbol is read back as its digit (the common US layout).
  if (event.modifiers() & Qt::ShiftModifier) {
    static constexpr struct {
      int symbol;
      Key digit;
    } kShiftedDigits[] = {
        {Qt::Key_Exclam, Key::Digit1},     {Qt::Key_At, Key::Digit2},
        {Qt::Key_NumberSign, Key::Digit3}, {Qt::Key_Dollar, Key::Digit4},
        {Qt::Key_Percent, Key::Digit5},    {Qt::Key_AsciiCircum, Key::Digit6},
        {Qt::Key_Ampersand, Key::Digit7},  {Qt::Key_Asterisk, Key::Digit8},
        {Qt::Key_ParenLeft, Key::Digit9},  {Qt::Key_ParenRight, Key::Digit0},
    };
    for (const auto& shifted : kShiftedDigits)
      if (key == shifted.symbol) return shifted.digit;
  }
  return Key::None;
}
