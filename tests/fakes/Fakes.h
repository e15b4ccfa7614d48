#pragma once
#include <algorithm>
#include <chrono>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "core/host/FileDialogs.h"
#include "core/host/MessageBoxes.h"
#include "core/host/Screen.h"
#include "platform/PointerCounter.h"
#include "platform/Shell.h"

// Answers queued by the test; a dialog with no answer left is cancelled.
class FakeFileDialogs : public host::FileDialogs {
 public:
  std::vector<std::string> Choose(const host::FileDialogRequest& request) override {
    requests.push_back(request);
    if (answers.empty()) return {};
    auto answer = std::move(answers.front());
    answers.pop_front();
    return answer;
  }
  std::deque<std::vector<std::string>> answers;
  std::vector<host::FileDialogRequest> requests;
};

class FakeMessageBoxes : public host::MessageBoxes {
 public:
  void ShowError(const std::string& title, const std::string& text) override {
    errors.emplace_back(title, text);
    Stand(text);
  }
  void ShowWarning(const std::string& title, const std::string& text) override {
    warnings.emplace_back(title, text);
    Stand(text);
  }
  bool AskYesNo(const std::string& title, const std::string& text) override {
    questions.emplace_back(title, text);
    Stand(text);
    return answerYes;
  }
  std::optional<std::string> StandingMessage() const override { return standing; }
  bool CloseStandingMessage() override {
    if (!standing) return false;
    standing.reset();
    ++closedFromOutside;
    return true;
  }
  // Runs while a box stands, as the event loop of a modal box would run other work.
  std::function<void()> whileStanding;
  std::optional<std::string> standing;  // the box's text while it stands
  int closedFromOutside = 0;
  std::vector<std::pair<std::string, std::string>> errors;
  std::vector<std::pair<std::string, std::string>> warnings;
  std::vector<std::pair<std::string, std::string>> questions;
  bool answerYes = false;

 private:
  void Stand(const std::string& text) {
    if (!whileStanding) return;
    const std::optional<std::string> under = std::exchange(standing, text);
    whileStanding();
    standing = under;
  }
};

// Counts like the system counter and records every call (true: show).
class FakePointerCounter : public platform::PointerCounter {
 public:
  int ShowCursor(bool show) override {
    calls.push_back(show);
    value += show ? 1 : -1;
    return value;
  }
  int value = 0;
  std::vector<bool> calls;
};

// One primary screen of 1920 x 1080 unless the test connects others.
class FakeScreen : public host::Screen {
 public:
  std::vector<host::ScreenInfo> Screens() override { return screens; }
  std::vector<host::ScreenInfo> screens{{"primary", {0, 0, 1920, 1080}, true}};
};

// Records what would be opened; every item "ends" at once unless the test says otherwise.
class FakeShell : public platform::Shell {
 public:
  struct Launch {
    std::string file;
    std::string folder;
  };
  platform::OpenResult Open(const std::string& file, const std::string& folder) override {
    launches.push_back({file, folder});
    if (onOpen) onOpen(file);
    platform::OpenResult result;
    if (!error.empty()) {
      result.error = error;
      result.shownBySystem = errorShownBySystem;
      if (!startsDespiteError) return result;
    }
    if (handsOver) return result;
    result.process = std::make_unique<RunningProcess>(runsFor, exitStatus, endable);
    return result;
  }
  std::vector<Launch> launches;
  std::string error;                               // when set, nothing is started
  bool errorShownBySystem = false;                 // the system has shown `error` itself
  std::function<void(const std::string&)> onOpen;  // runs "while the item plays"
  bool startsDespiteError = false;       // `error` is reported, yet a process runs (as a script's
                                         // later command after its first could not start)
  std::chrono::milliseconds runsFor{0};  // how long a started item runs, in real time
  std::optional<int> exitStatus;         // how it ends; none: the system does not say
  bool handsOver = false;  // the item goes to a program already running: no process, no error
  bool endable = true;     // End ends it at once with status 143, as SIGTERM would

 private:
  class RunningProcess : public platform::Process {
   public:
    RunningProcess(std::chrono::milliseconds runsFor, std::optional<int> status, bool endable)
        : end_(std::chrono::steady_clock::now() + runsFor), status_(status), endable_(endable) {}
    bool WaitFor(int milliseconds) override {
      const auto now = std::chrono::steady_clock::now();
      if (milliseconds < 0 || now + std::chrono::milliseconds(milliseconds) >= end_) {
        std::this_thread::sleep_until(end_);
        return true;
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
      return false;
    }
    std::optional<int> ExitStatus() const override { return status_; }
    bool End() override {
      if (!endable_) return false;
      end_ = std::min(end_, std::chrono::steady_clock::now());
      status_ = 143;
      return true;
    }

   private:
    std::chrono::steady_clock::time_point end_;
    std::optional<int> status_;
    bool endable_;
  };
};
