#pragma once
#include <optional>
#include <string>

#include "core/show/Commands.h"
#include "core/show/Key.h"

// The show lock: while it is on, the keys that end the program or open a window act only when
// pressed a second time within kSecondPressMs, so that a clicker's stray button or a brushed key
// does not end the show in front of the audience. Playing, stepping and the display keys are
// never held back.
class ShowLock {
 public:
  static constexpr int kSecondPressMs = 2000;

  // Whether the lock holds `command` back until its second press.
  static bool Guards(Command command);

  enum class Press {
    Acts,      // the second press: the command runs
    First,     // held back; the operator is told to press again
    HeldDown,  // the key repeating while held: no second press, and no new note
  };
  // A press of a guarded command's key.
  Press Guarded(Command command, bool autoRepeat);
  // Another key came, or the time ran out: the next guarded press is a first one again.
  void Forget() { waiting_.reset(); }
  bool Waiting() const { return waiting_.has_value(); }

 private:
  std::optional<Command> waiting_;
};

// "Press ESC again to end the show": the note of a first press.
std::string ShowLockNote(Key key, Command command);
