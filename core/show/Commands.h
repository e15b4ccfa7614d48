#pragma once
#include <array>
#include <optional>

#include "core/show/Key.h"

// What the operator can ask of the show, whether by a key of the show window or from elsewhere.
enum class Command {
  ToggleHelp,                 // H
  ToggleCornerMarker,         // C
  OpenShowList,               // L
  TogglePointer,              // P
  FirstItem,                  // 1
  ToggleFrame,                // F
  EndOfShow,                  // 0: the end-of-show position
  PreviousItem,               // 4, Left, Page Up
  NextItem,                   // 6, Right
  ToggleInfo,                 // I: the item's number and name
  ToggleMonoTexts,            // S: texts in the left half only
  ToggleMaximised,            // M
  ToggleFloatingValueWindow,  // V
  ToggleEyeCheckCard,         // T
  OpenShowOptions,            // O
  Play,                       // SPACE, ENTER, Page Down
  Close,                      // X, ESC: save and exit
  StopContinuousShow,         // A
};

struct KeyBinding {
  Key key;
  Command command;
};

// The show window's keys, each with its command; a key not listed has none.
inline constexpr std::array kKeyBindings{
    KeyBinding{Key::H, Command::ToggleHelp},
    KeyBinding{Key::C, Command::ToggleCornerMarker},
    KeyBinding{Key::L, Command::OpenShowList},
    KeyBinding{Key::P, Command::TogglePointer},
    KeyBinding{Key::Digit1, Command::FirstItem},
    KeyBinding{Key::F, Command::ToggleFrame},
    KeyBinding{Key::Digit0, Command::EndOfShow},
    KeyBinding{Key::Digit4, Command::PreviousItem},
    KeyBinding{Key::Left, Command::PreviousItem},
    KeyBinding{Key::Digit6, Command::NextItem},
    KeyBinding{Key::Right, Command::NextItem},
    KeyBinding{Key::I, Command::ToggleInfo},
    KeyBinding{Key::S, Command::ToggleMonoTexts},
    KeyBinding{Key::M, Command::ToggleMaximised},
    KeyBinding{Key::V, Command::ToggleFloatingValueWindow},
    KeyBinding{Key::T, Command::ToggleEyeCheckCard},
    KeyBinding{Key::O, Command::OpenShowOptions},
    KeyBinding{Key::Space, Command::Play},
    KeyBinding{Key::Enter, Command::Play},
    // A presentation clicker's two buttons: forward plays, back steps back.
    KeyBinding{Key::PageDown, Command::Play},
    KeyBinding{Key::PageUp, Command::PreviousItem},
    KeyBinding{Key::X, Command::Close},
    KeyBinding{Key::Escape, Command::Close},
    KeyBinding{Key::A, Command::StopContinuousShow},
};

// The command of a key of the show window, if it has one. Modifiers are no part of a key, so
// Shift or Ctrl with a key gives the key's own command.
std::optional<Command> CommandForKey(Key key);
