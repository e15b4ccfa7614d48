// The one table from the show window's keys to commands: every key of the help has its command,
// no other key has one, and no key is bound twice.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <string_view>

#include "core/settings/LanguageTexts.h"
#include "core/show/Commands.h"

namespace {

// The keys as the operator knows them, written out apart from the table.
const std::map<Key, Command>& ExpectedCommands() {
  static const std::map<Key, Command> expected = {
      {Key::H, Command::ToggleHelp},
      {Key::L, Command::OpenShowList},
      {Key::M, Command::ToggleMaximised},
      {Key::I, Command::ToggleInfo},
      {Key::Left, Command::PreviousItem},
      {Key::Digit4, Command::PreviousItem},
      {Key::Right, Command::NextItem},
      {Key::Digit6, Command::NextItem},
      {Key::Digit1, Command::FirstItem},
      {Key::Digit0, Command::EndOfShow},
      {Key::Space, Command::Play},
      {Key::Enter, Command::Play},
      {Key::A, Command::StopContinuousShow},
      {Key::S, Command::ToggleMonoTexts},
      {Key::P, Command::TogglePointer},
      {Key::F, Command::ToggleFrame},
      {Key::V, Command::ToggleFloatingValueWindow},
      {Key::C, Command::ToggleCornerMarker},
      {Key::T, Command::ToggleEyeCheckCard},
      {Key::Escape, Command::Close},
      {Key::X, Command::Close},
      {Key::O, Command::OpenShowOptions},
      // A presentation clicker's forward and back buttons.
      {Key::PageDown, Command::Play},
      {Key::PageUp, Command::PreviousItem},
  };
  return expected;
}

// A key as a help line names it: "H", "<-", "SPACE", "ESCAPE" ...
Key KeyNamed(std::string_view name) {
  if (name.size() == 1) return static_cast<Key>(name[0]);
  if (name == "<-") return Key::Left;
  if (name == "->") return Key::Right;
  if (name == "SPACE") return Key::Space;
  if (name == "ENT") return Key::Enter;
  if (name == "ESCAPE" || name == "ESC") return Key::Escape;
  ADD_FAILURE() << "no key named " << name;
  return Key::None;
}

}  // namespace

TEST(CommandForKey, TheShowWindowsKeysAndNoOthersHaveCommands) {
  // Every code a key can have: an extra binding, a missing one or a wrong command shows here.
  for (int code = 0; code <= 0xFFFF; ++code) {
    const Key key = static_cast<Key>(code);
    const auto expected = ExpectedCommands().find(key);
    if (expected == ExpectedCommands().end())
      EXPECT_EQ(CommandForKey(key), std::nullopt) << "code " << code;
    else
      EXPECT_EQ(CommandForKey(key), expected->second) << "code " << code;
  }
  // Keys of the keypad and lower-case letters are no commands of their own.
  EXPECT_EQ(CommandForKey(static_cast<Key>(static_cast<int>(Key::Numpad0) + 6)), std::nullopt);
  EXPECT_EQ(CommandForKey(static_cast<Key>('h')), std::nullopt);
}

TEST(CommandForKey, EachKeyIsBoundOnceAndEachCommandHasAKey) {
  std::set<Key> keys;
  std::set<Command> commands;
  for (const KeyBinding& binding : kKeyBindings) {
    EXPECT_TRUE(keys.insert(binding.key).second)
        << "key " << static_cast<int>(binding.key) << " bound twice: the second is never reached";
    commands.insert(binding.command);
  }
  // Up to the last command of the enumeration, none without a key.
  EXPECT_EQ(commands.size(), static_cast<std::size_t>(Command::StopContinuousShow) + 1);
}

TEST(CommandForKey, EveryKeyTheHelpNamesHasACommand) {
  for (const LanguageText& line : HelpLineTexts()) {
    // "<-, 4 : Previous file": the keys before the colon, separated by commas.
    const std::string_view text = line.builtIn;
    const std::string_view keys = text.substr(0, text.find(':'));
    std::size_t start = 0;
    while (start < keys.size()) {
      std::size_t end = keys.find(',', start);
      if (end == std::string_view::npos) end = keys.size();
      std::string_view name = keys.substr(start, end - start);
      while (!name.empty() && name.front() == ' ') name.remove_prefix(1);
      while (!name.empty() && name.back() == ' ') name.remove_suffix(1);
      EXPECT_NE(CommandForKey(KeyNamed(name)), std::nullopt) << line.builtIn;
      start = end + 1;
    }
  }
}
