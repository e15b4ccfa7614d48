#pragma once
#include <chrono>
#include <cstdint>
#include <optional>
#include <string>

// Where the show stands, for the remote. Texts are as the program holds them (the system's
// 8-bit form); the replies turn them into UTF-8.
struct RemoteState {
  int32_t position = 1;     // counted from 1; count + 1 at the end-of-show position
  int32_t count = 0;        // items in the list
  std::string currentItem;  // the item at the position (playing, or next to play); empty at the end
  std::string nextItem;     // the one after it (the first again with Loop All); empty: none
  bool playing = false;     // an item is being opened, played or reported
  std::chrono::milliseconds playingFor{0};  // how long it has been, while playing
  bool continuous = false;                  // the continuous show runs
  bool loopAll = false;
  std::optional<std::string> message;  // the text of a message box standing over the show
  bool operator==(const RemoteState&) const = default;
};

// What came of a remote command.
struct RemoteResult {
  bool done = false;
  std::string reason;                // why it was refused; for a done command, a note or empty
  std::optional<RemoteState> state;  // for state and subscribe
};
