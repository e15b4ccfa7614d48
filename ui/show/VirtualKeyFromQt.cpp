#include "ui/show/VirtualKeyFromQt.h"

#include <QKeyEvent>

#include "platform/KeyCode.h"

int VirtualKeyFromQt(const QKeyEvent& event) {
  // The key itself, as the system names it, so layouts and Shift do not change the command.
  const int native =
      platform::VirtualKeyFromNative(event.nativeScanCode(), event.nativeVirtualKey());
  if (native >= 0) return native;
  // A synthetic event (tests, another program) has only the toolkit's key.
  const int key = event.key();
  if ((event.modifiers() & Qt::KeypadModifier) && key >= Qt::Key_0 && key <= Qt::Key_9)
    return VK_NUMPAD0_KEY + (key - Qt::Key_0);
  if (key >= Qt::Key_A && key <= Qt::Key_Z) return 'A' + (key - Qt::Key_A);
  if (key >= Qt::Key_0 && key <= Qt::Key_9) return '0' + (key - Qt::Key_0);
  switch (key) {
    case Qt::Key_Space:
      return VK_SPACE_KEY;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return VK_RETURN_KEY;
    case Qt::Key_Escape:
      return VK_ESCAPE_KEY;
    case Qt::Key_Left:
      return VK_LEFT_KEY;
    case Qt::Key_Up:
      return 38;
    case Qt::Key_Right:
      return VK_RIGHT_KEY;
    case Qt::Key_Down:
      return 40;
    case Qt::Key_Shift:
      return 16;
    case Qt::Key_Control:
      return 17;
    case Qt::Key_Alt:
      return 18;
    default:
      break;
  }
  if (key >= Qt::Key_F1 && key <= Qt::Key_F24) return 112 + (key - Qt::Key_F1);
  // With Shift, X11 reports the shifted symbol of a digit key; the modifier must not change
  // the command, so the symbol is read back as its digit (the common US layout).
  if (event.modifiers() & Qt::ShiftModifier) {
    static constexpr struct {
      int symbol;
      char digit;
    } kShiftedDigits[] = {
        {Qt::Key_Exclam, '1'},     {Qt::Key_At, '2'},       {Qt::Key_NumberSign, '3'},
        {Qt::Key_Dollar, '4'},     {Qt::Key_Percent, '5'},  {Qt::Key_AsciiCircum, '6'},
        {Qt::Key_Ampersand, '7'},  {Qt::Key_Asterisk, '8'}, {Qt::Key_ParenLeft, '9'},
        {Qt::Key_ParenRight, '0'},
    };
    for (const auto& shifted : kShiftedDigits)
      if (key == shifted.symbol) return shifted.digit;
  }
  return 0;
}
