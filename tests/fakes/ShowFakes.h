#pragma once
#include <functional>
#include <string>
#include <vector>

#include "base/AppError.h"
#include "core/show/ItemRunner.h"
#include "core/show/ShowView.h"

// One line per call the show's fakes were given, shared by them so that a test sees the order
// across the window, the item wait and the files.
using CallLog = std::vector<std::string>;

// An info display as one line: "1 a.avi | 1 a.avi", "END help | -" ("-": nothing drawn there).
inline std::string Describe(const InfoDisplay& info) {
  auto half = [](const std::string& number, const std::string& description, bool help) {
    std::string text = number;
    if (!description.empty()) text += " " + description;
    if (help) text += text.empty() ? "help" : " help";
    return text.empty() ? std::string("-") : text;
  };
  return half(info.numberLeft, info.descriptionLeft, info.helpLeft) + " | " +
         half(info.numberRight, info.descriptionRight, info.helpRight);
}

// The show window as a log of what it was told, with what it would show now.
class RecordingView : public ShowView {
 public:
  explicit RecordingView(CallLog& log) : log_(log) {}

  void ClearInfo() override { log_.push_back("clear"); }
  void ShowInfo(const InfoDisplay& shown) override {
    info = shown;
    log_.push_back("info " + Describe(shown));
  }
  void ToggleFrame() override { log_.push_back("toggle frame"); }
  void SetFrameVisible(bool on) override { log_.push_back(on ? "frame shown" : "frame hidden"); }
  host::ScreenSize OuterSize() const override { return outer; }
  void PlaceRightTexts(int half) override {
    log_.push_back("right texts +" + std::to_string(half));
  }
  void PlaceFrame(const FloatingFrameGeometry& geometry) override {
    frame = geometry;
    log_.push_back("place frame");
  }
  void ToggleCornerMarker() override { log_.push_back("toggle marker"); }
  void SetMarkerColour(MarkerColour colour) override {
    const char* const names[] = {"hotlight", "gray", "purple"};
    log_.push_back(std::string("marker ") + names[static_cast<int>(colour)]);
  }
  // "maximised 1920x1080", with "+x+y" where the area is not at the desktop's corner.
  void ShowMaximised(const host::ScreenRect& a) override {
    std::string line = "maximised " + std::to_string(a.width) + "x" + std::to_string(a.height);
    if (a.x != 0 || a.y != 0) line += "+" + std::to_string(a.x) + "+" + std::to_string(a.y);
    log_.push_back(line);
  }
  void ShowNormal(int width, int height) override {
    log_.push_back("normal " + std::to_string(width) + "x" + std::to_string(height));
  }
  void MoveTo(int left, int top) override {
    log_.push_back("move to " + std::to_string(left) + "," + std::to_string(top));
  }
  host::ScreenRect FrameRect() const override { return frameRect; }
  void Close() override { log_.push_back("close"); }
  void OpenShowList() override {
    log_.push_back("open list");
    if (whileListOpen) whileListOpen();
  }
  void OpenShowOptions() override {
    log_.push_back("open options");
    if (whileOptionsOpen) whileOptionsOpen();
  }
  void ShowLockNote(const std::string& text, int milliseconds) override {
    lockNote = text;
    log_.push_back("note " + text + " " + std::to_string(milliseconds));
  }
  void HideLockNote() override {
    if (!lockNote.empty()) log_.push_back("note hidden");
    lockNote.clear();
  }
  void ToggleFloatingValueWindow(const std::string& value) override {
    log_.push_back("floating window " + value);
  }
  void TakeKeyboardFromFloatingValue() override {
    log_.push_back("keyboard back");
    if (onKeyboardBack) onKeyboardBack();
  }
  void ToggleEyeCheckCard() override { log_.push_back("toggle card"); }
  void HideEyeCheckCard() override { log_.push_back("hide card"); }
  void StartPause(int milliseconds) override {
    pausing = true;
    log_.push_back("pause " + std::to_string(milliseconds));
  }
  void StopPause() override {
    pausing = false;
    log_.push_back("pause stop");
  }
  bool PauseRunning() const override { return pausing; }

  host::ScreenSize outer{1000, 600};
  host::ScreenRect frameRect{0, 0, 1000, 600};  // where the window stands on the desktop
  std::string lockNote;                         // shown now; empty: none
  InfoDisplay info;                             // as last shown
  FloatingFrameGeometry frame;                  // as last placed
  bool pausing = false;                         // the pause timer runs
  std::function<void()> whileListOpen;          // the operator's work in the modal list window
  std::function<void()> whileOptionsOpen;
  std::function<void()> onKeyboardBack;  // the show window's activation that the hand-over runs

 private:
  CallLog& log_;
};

// The item wait: logs its calls and runs `whilePlaying` inside the wait.
class FakeItemRunner : public ItemRunner {
 public:
  explicit FakeItemRunner(CallLog& log) : log_(log) {}
  void ItemStarting() override { log_.push_back("item starting"); }
  void ItemDone() override { log_.push_back("item done"); }
  void WaitFor(platform::Process& process) override {
    log_.push_back("wait");
    if (whilePlaying) whilePlaying();
    process.WaitFor(-1);
  }
  std::optional<std::chrono::steady_clock::time_point> HeldInputTime() const override {
    return heldInputTime;
  }
  std::function<void()> whilePlaying;
  // When the input being handled came, as the item wait says of input it held back.
  std::optional<std::chrono::steady_clock::time_point> heldInputTime;

 private:
  CallLog& log_;
};
