// Loading and saving list files as the Load list and Save list buttons and the program start do:
// the list, the journal and the operator's messages together.
#include <gmock/gmock.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "TempDir.h"
#include "base/AppError.h"
#include "base/SplitTextLines.h"
#include "core/Services.h"
#include "core/show/JournalSummary.h"
#include "core/show/ShowJournal.h"
#include "core/show/ShowListFiles.h"
#include "fakes/Fakes.h"

namespace {

using namespace std::string_literals;
using Items = std::vector<std::string>;
using testing::StartsWith;
using testing::ThrowsMessage;

class ShowListFilesTest : public ::testing::Test {
 protected:
  ShowListFilesTest() {
    services.exePath = dir.file("quadrel");
    services.messages = &messages;
    ShowJournal::Options options;
    options.reportError = [this](const std::string& text) { journalReports.push_back(text); };
    journal = std::make_unique<ShowJournal>(dir.file("quadrel.log"), options);
    services.journal = journal.get();
  }
  // "event|result|text" of every journal line.
  std::vector<std::string> Events() const {
    std::vector<std::string> out;
    const std::string text = dir.read("quadrel.log");
    for (const std::string_view line : SplitTextLines(text)) {
      const std::vector<std::string> f = SplitJournalFields(line);
      out.push_back(f[1] + "|" + f[3] + "|" + f[5]);
    }
    return out;
  }

  TempDir dir;
  FakeMessageBoxes messages;
  Services services;
  std::unique_ptr<ShowJournal> journal;
  std::vector<std::string> journalReports;
  ShowList list;
};

TEST_F(ShowListFilesTest, LoadReplacesTheListAndJournalsIt) {
  dir.write("two.shl", "x.avi\r\n..\\y.bat\r\n");
  list.Assign({"1", "2", "3"});
  LoadListFile(dir.file("two.shl"), list, services);
  EXPECT_EQ(list.Items(), (Items{"x.avi", "..\\y.bat"}));
  EXPECT_EQ(Events(), std::vector<std::string>{"list loaded|2 items|" + dir.file("two.shl")});
  EXPECT_TRUE(messages.warnings.empty());

  // A file that cannot be opened: the error, the list as it was, nothing journalled.
  EXPECT_THAT([&] { LoadListFile(dir.file("gone.shl"), list, services); },
              ThrowsMessage<AppError>(StartsWith("Cannot open file \"" + dir.file("gone.shl"))));
  EXPECT_EQ(list.Items(), (Items{"x.avi", "..\\y.bat"}));
  EXPECT_EQ(Events().size(), 1u);
  EXPECT_TRUE(journalReports.empty());
}

TEST_F(ShowListFilesTest, LoadOfAListCutByANulKeepsTheFileWarnsAndJournalsBoth) {
  const std::string bytes = "a\r\nb\0c\r\n"s;
  dir.write("cut.shl", bytes);
  LoadListFile(dir.file("cut.shl"), list, services);
  EXPECT_EQ(list.Items(), (Items{"a", "b"}));
  EXPECT_EQ(dir.read("cut.shl.nul-cut"), bytes);
  ASSERT_EQ(messages.warnings.size(), 1u);
  EXPECT_EQ(messages.warnings[0].first, "quadrel");
  EXPECT_THAT(messages.warnings[0].second, testing::HasSubstr("NUL byte in line 2"));
  EXPECT_EQ(Events(), (std::vector<std::string>{
                          "list loaded|2 items|" + dir.file("cut.shl"),
                          "list cut short|NUL byte in line 2, 2 items read; whole "
                          "file kept in " +
                              dir.file("cut.shl.nul-cut") + "|" + dir.file("cut.shl")}));
}

TEST_F(ShowListFilesTest, SaveWritesTheListAndJournalsOnlyWhatWasWritten) {
  list.Assign({"intro.avi", "", "intro.avi"});
  SaveListFile(dir.file("show.shl"), list, services);
  EXPECT_EQ(dir.read("show.shl"), "intro.avi\r\n\r\nintro.avi\r\n");
  EXPECT_EQ(Events(), std::vector<std::string>{"list saved|3 items|" + dir.file("show.shl")});

  // A target that cannot be created: the error, and no "list saved" line.
  std::filesystem::create_directory(dir.path() / "folder.shl");
  EXPECT_THAT([&] { SaveListFile(dir.file("folder.shl"), list, services); },
              ThrowsMessage<AppError>(StartsWith("Cannot create file")));
  EXPECT_EQ(Events().size(), 1u);
  EXPECT_TRUE(std::filesystem::is_directory(dir.path() / "folder.shl"));

  // Without a journal the list is saved all the same.
  services.journal = nullptr;
  list.Assign({});
  SaveListFile(dir.file("show.shl"), list, services);
  EXPECT_EQ(dir.read("show.shl"), "");
  EXPECT_EQ(Events().size(), 1u);
}

TEST_F(ShowListFilesTest, AutomaticListIsLoadedOnlyWhenItIsAFile) {
  list.Assign({"kept"});
  LoadAutomaticList(list, services);  // none there
  std::filesystem::create_directory(dir.path() / "quadrel.LST");
  LoadAutomaticList(list, services);  // a folder does not count
  EXPECT_EQ(list.Items(), Items{"kept"});
  EXPECT_TRUE(Events().empty());

  std::filesystem::remove(dir.path() / "quadrel.LST");
  dir.write("quadrel.LST", "a\r\nb\r\n");
  LoadAutomaticList(list, services);
  EXPECT_EQ(list.Items(), (Items{"a", "b"}));
  EXPECT_EQ(Events(), std::vector<std::string>{"list loaded|2 items|" + dir.file("quadrel.LST")});
}

}  // namespace
