#pragma once
#include <chrono>
#include <optional>

#include "platform/Shell.h"

// How the show window lives through an item: it keeps painting while the item plays, and what
// the operator does meanwhile waits until the item has ended.
class ItemRunner {
 public:
  virtual ~ItemRunner() = default;
  // Between these two, an item is being opened, reported or waited for: the pause's ticks wait
  // until it is done.
  virtual void ItemStarting() = 0;
  virtual void ItemDone() = 0;
  // Returns when `process` has ended.
  virtual void WaitFor(platform::Process& process) = 0;
  // While input held back during an item is handled after it: when that input came (on the
  // steady clock). None for input handled as it comes.
  virtual std::optional<std::chrono::steady_clock::time_point> HeldInputTime() const {
    return std::nullopt;
  }
};
