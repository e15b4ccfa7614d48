#include "core/show/ShowLock.h"

bool ShowLock::Guards(Command command) {
  switch (command) {
    case Command::Close:
    case Command::OpenShowList:
    case Command::ToggleFloatingValueWindow:
    case Command::OpenShowOptions:
      return true;
    default:
      return false;
  }
}

ShowLock::Press ShowLock::Guarded(Command command, bool autoRepeat) {
  if (waiting_ == command) {
    // A held key is one press however long it is held.
    if (autoRepeat) return Press::HeldDown;
    waiting_.reset();
    return Press::Acts;
  }
  waiting_ = command;
  return Press::First;
}

std::string ShowLockNote(Key key, Command command) {
  std::string name;
  if (key == Key::Escape)
    name = "ESC";
  else if (key >= Key::A && key <= Key::Z)
    name = std::string(1, static_cast<char>(key));
  else
    name = "the key";
  std::string what;
  switch (command) {
    case Command::Close:
      what = "end the show";
      break;
    case Command::OpenShowList:
      what = "open the show list";
      break;
    case Command::ToggleFloatingValueWindow:
      what = "open or close the floating value window";
      break;
    case Command::OpenShowOptions:
      what = "open the show options";
      break;
    default:
      what = "go on";
      break;
  }
  return "Press " + name + " again to " + what;
}
