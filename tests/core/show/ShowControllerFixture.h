#pragma once
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "TempDir.h"
#include "base/SplitTextLines.h"
#include "core/Services.h"
#include "core/show/JournalSummary.h"
#include "core/show/ShowController.h"
#include "core/show/ShowJournal.h"
#include "fakes/Fakes.h"
#include "fakes/ShowFakes.h"

// A show controller with fakes all round, the program "quadrel" in a temporary folder.
class ShowControllerTest : public ::testing::Test {
 protected:
  ShowControllerTest() {
    services.exePath = dir.file("quadrel");
    services.pointer = &pointer;
    services.screen = &screen;
    services.messages = &messages;
    services.shell = &shell;
    services.decimalSeparator = [this] { return separator; };
    shell.onOpen = [this](const std::string& file) { log.push_back("open " + Name(file)); };
    controller.onFilesRead = [this] { log.push_back("files read"); };
  }

  // After the first activation, with `items` as the list and the texts on in stereo, no help.
  void Start(std::vector<std::string> items) {
    controller.Activated();
    list.Assign(std::move(items));
    state.infoVisible = true;
    state.helpVisible = false;
    state.monoInfo = false;
    log.clear();
  }
  // A key of the show window, looked up as the window does.
  void Press(Key key) { controller.Run(CommandForKey(key)); }
  // The log since the last call.
  CallLog Calls() { return std::exchange(log, {}); }
  static std::string Name(const std::string& file) {
    return std::filesystem::path(file).filename().string();
  }
  std::vector<std::string> Played() const {
    std::vector<std::string> names;
    for (const auto& launch : shell.launches) names.push_back(Name(launch.file));
    return names;
  }
  std::string Info() const { return Describe(view.info); }
  std::string ProgramFile(const std::string& extension) const {
    return dir.file("quadrel" + extension);
  }

  // A journal beside the program; its failures go to `journalReports`.
  void UseJournal() {
    ShowJournal::Options options;
    options.reportError = [this](const std::string& text) { journalReports.push_back(text); };
    journal = std::make_unique<ShowJournal>(ProgramFile(".log"), options);
    services.journal = journal.get();
  }
  // "event|position|result|text" of every journal line, the time and duration left out.
  std::vector<std::string> Events() const {
    std::vector<std::string> out;
    const std::string text = dir.read("quadrel.log");  // none: no lines
    for (const std::string_view line : SplitTextLines(text)) {
      const std::vector<std::string> f = SplitJournalFields(line);
      out.push_back(f[1] + "|" + f[2] + "|" + f[3] + "|" + f[5]);
    }
    return out;
  }

  TempDir dir;
  CallLog log;
  FakePointerCounter pointer;
  FakeScreen screen;
  FakeMessageBoxes messages;
  FakeShell shell;
  char separator = '.';
  Services services;
  std::unique_ptr<ShowJournal> journal;
  std::vector<std::string> journalReports;
  ShowState state;
  ShowList list;
  RecordingView view{log};
  FakeItemRunner runner{log};
  ProgramValues values;
  ShowController controller{services, state, list, values, view, runner};
};
