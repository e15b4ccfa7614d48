#include <QCheckBox>
#include <QTimer>
#include <filesystem>

#include "UiFixture.h"
#include "core/show/JournalSummary.h"
#include "core/show/ShowJournal.h"
#include "core/show/ShowState.h"
#include "core/showlist/TextLines.h"
#include "ui/show/ShowWindow.h"
#include "ui/showlist/ShowListModel.h"
#include "ui/showlist/ShowListWindow.h"

namespace {

// The show window with a journal beside the program, reporting failures into `reports`.
class JournalUi : public UiFixture {
 protected:
  JournalUi() {
    ShowJournal::Options options;
    options.reportError = [this](const std::string& text) { reports.push_back(text); };
    journal = std::make_unique<ShowJournal>(ProgramFile(".log"), options);
    services.journal = journal.get();
    Activate();
    app->ListWindow().Items().Assign({"a.avi", "b.avi", "c.avi"});
  }
  void Key(int key) { app->Show().KeyDown(key); }
  // "event position result" of every line, the time and duration left out.
  std::vector<std::string> Events() {
    std::vector<std::string> out;
    if (!std::filesystem::is_regular_file(ProgramFile(".log"))) return out;
    const std::string text = dir.read("quadrel.log");
    for (const std::string_view line : SplitTextLines(text)) {
      const std::vector<std::string> f = SplitJournalFields(line);
      out.push_back(f[1] + "|" + f[2] + "|" + f[3] + "|" + f[5]);
    }
    return out;
  }

  std::unique_ptr<ShowJournal> journal;
  std::vector<std::string> reports;
};

}  // namespace

TEST_F(JournalUi, ContinuousShowWithAFailingItem) {
  app->ListWindow().continuousBox->setChecked(true);
  app->State().continuousMode = true;
  shell.onOpen = [this](const std::string& file) {
    shell.error = file.ends_with("b.avi") ? "Cannot open file \"b.avi\". Gone" : "";
  };
  Key(' ');
  app->Show().PauseElapsed();
  app->Show().PauseElapsed();  // the last item, then the end of the list
  EXPECT_FALSE(app->Show().pauseTimer->isActive());
  EXPECT_EQ(Events(), (std::vector<std::string>{
                          "show window opened|||",
                          "item started|1||a.avi",
                          "item ended|1|exit unknown|a.avi",
                          "continuous show started|1||",
                          "item started|2||b.avi",
                          "item failed|2|Cannot open file \"b.avi\". Gone|b.avi",
                          "item started|3||c.avi",
                          "item ended|3|exit unknown|c.avi",
                          "continuous show stopped||end of the list|",
                      }));
  // The failure is shown to the operator once, as before.
  EXPECT_EQ(messages.errors.size(), 1u);
}

TEST_F(JournalUi, StoppedByAOnlyWhenItRan) {
  app->State().continuousMode = true;
  Key(' ');
  Key('A');
  Key('A');  // nothing runs any more: nothing to journal
  const auto events = Events();
  ASSERT_EQ(events.size(), 5u);
  EXPECT_EQ(events[3], "continuous show started|1||");
  EXPECT_EQ(events[4], "continuous show stopped|2|A pressed|");
}

TEST_F(JournalUi, ListsLoadedAndSavedAndTheClose) {
  dir.write("evening.shl", "x.avi\r\ny.avi\r\n");
  dialogs.answers.push_back({dir.file("evening.shl")});
  app->ListWindow().LoadList();
  dialogs.answers.push_back({dir.file("copy.shl")});
  app->ListWindow().SaveList();
  ASSERT_TRUE(app->Show().close());
  const auto events = Events();
  ASSERT_EQ(events.size(), 5u);
  EXPECT_EQ(events[1], "list loaded||2 items|" + dir.file("evening.shl"));
  EXPECT_EQ(events[2], "list saved||2 items|" + dir.file("copy.shl"));
  EXPECT_EQ(events[3], "list saved||2 items|" + ProgramFile(".LST"));
  EXPECT_EQ(events[4], "program closed|||");
}

TEST_F(JournalUi, UnwritableJournalLeavesTheShowAlone) {
  std::filesystem::remove(ProgramFile(".log"));
  std::filesystem::create_directory(ProgramFile(".log"));
  app->State().continuousMode = true;
  Key(' ');
  app->Show().PauseElapsed();
  Key('A');
  EXPECT_EQ(shell.launches.size(), 2u);
  EXPECT_EQ(app->State().showIndex, 2);
  EXPECT_TRUE(messages.errors.empty());  // no message box for the journal
  EXPECT_EQ(reports.size(), 1u);
  ASSERT_TRUE(app->Show().close());
  EXPECT_EQ(dir.read("quadrel.LST"), "a.avi\r\nb.avi\r\nc.avi\r\n");
}

TEST_F(JournalUi, ItemTextAsStartedWhenTheListChangesWhileItPlays) {
  // The show list window stays usable by mouse while a continuous show plays under it.
  shell.onOpen = [this](const std::string&) {
    app->ListWindow().Items().Assign({std::string(200, 'x') + ".avi"});
  };
  Key(' ');
  const auto events = Events();
  ASSERT_EQ(events.size(), 3u);
  EXPECT_EQ(events[1], "item started|1||a.avi");
  EXPECT_EQ(events[2], "item ended|1|exit unknown|a.avi");
}
