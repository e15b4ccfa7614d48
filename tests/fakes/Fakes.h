#pragma once
#include <deque>
#include <functional>
#include <memory>
#include <string>
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
  }
  void ShowWarning(const std::string& title, const std::string& text) override {
    warnings.emplace_back(title, text);
  }
  std::vector<std::pair<std::string, std::string>> errors;
  std::vector<std::pair<std::string, std::string>> warnings;
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

class FakeScreen : public host::Screen {
 public:
  host::ScreenSize Size() override { return size; }
  host::ScreenSize size{1920, 1080};
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
      return result;
    }
    result.process = std::make_unique<EndedProcess>();
    return result;
  }
  std::vector<Launch> launches;
  std::string error;                               // when set, nothing is started
  bool errorShownBySystem = false;                 // the system has shown `error` itself
  std::function<void(const std::string&)> onOpen;  // runs "while the item plays"

 private:
  struct EndedProcess : platform::Process {
    bool WaitFor(int) override { return true; }
  };
};
