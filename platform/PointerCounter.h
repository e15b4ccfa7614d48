#pragma once
#include <functional>
#include <memory>

namespace platform {

// The system's pointer display counter: the pointer is visible while the counter is 0 or more.
class PointerCounter {
 public:
  virtual ~PointerCounter() = default;
  // Adds one (show) or takes one away (hide) and returns the counter's new value.
  virtual int ShowCursor(bool show) = 0;
};

// The counter with the rules of ShowCursor: it starts at 0 and moves by one per call.
// `onVisibilityChange` is told when the counter crosses between 0 and -1, so a toolkit can blank
// the pointer where the system has no counter of its own.
class CountingPointerCounter : public PointerCounter {
 public:
  explicit CountingPointerCounter(std::function<void(bool visible)> onVisibilityChange = {});
  int ShowCursor(bool show) override;
  int Value() const { return value_; }

 private:
  std::function<void(bool)> onVisibilityChange_;
  int value_ = 0;
};

// The counter of this system: Windows' own, elsewhere a CountingPointerCounter.
std::unique_ptr<PointerCounter> MakeSystemPointerCounter(
    std::function<void(bool visible)> onVisibilityChange);

}  // namespace platform
