#include "core/show/Commands.h"

std::optional<Command> CommandForKey(Key key) {
  for (const KeyBinding& binding : kKeyBindings)
    if (binding.key == key) return binding.command;
  return std::nullopt;
}
