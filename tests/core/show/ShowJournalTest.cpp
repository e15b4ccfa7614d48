#include <gtest/gtest.h>

#include <filesystem>
#include <regex>

#include "TempDir.h"
#include "base/SplitTextLines.h"
#include "core/show/JournalSummary.h"
#include "core/show/ShowJournal.h"

namespace {

using namespace std::chrono_literals;

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  for (const std::string_view line : SplitTextLines(text)) lines.emplace_back(line);
  return lines;
}

std::vector<std::string> Fields(const std::string& line) {
  return SplitJournalFields(line);
}

ShowJournal::Options FixedClock(ShowJournal::Clock::time_point when) {
  ShowJournal::Options options;
  options.now = [when] { return when; };
  return options;
}

}  // namespace

TEST(ShowJournal, OneTabSeparatedLinePerEvent) {
  TempDir dir;
  const auto when = ShowJournal::Clock::from_time_t(1'800'000'000) + 45ms;
  ShowJournal journal(dir.file("quadrel.log"), FixedClock(when));
  journal.WindowOpened();
  journal.ListLoaded("/show/quadrel.LST", 3);
  journal.ItemStarted(1, "clips\\intro.bat");
  journal.ItemEnded(1, "clips\\intro.bat", 0, true, 2345ms);
  journal.ContinuousStarted(1);
  journal.ItemStarted(2, "b.sh");
  journal.ItemEnded(2, "b.sh", 3, true, 7ms);
  journal.ItemStarted(3, "gone.avi");
  journal.ItemFailed(3, "gone.avi", "Cannot open file \"/show/gone.avi\". No such file");
  journal.ItemStarted(4, "video.avi");
  journal.ItemEnded(4, "video.avi", std::nullopt, false, 12ms);
  journal.ItemEnded(5, "x", std::nullopt, true, 61'001ms);
  journal.ContinuousStopped(0, "end of the list");
  journal.ListSaved("/show/quadrel.LST", 3);
  journal.ProgramClosed();

  const auto lines = Lines(dir.read("quadrel.log"));
  const std::string time = ShowJournal::FormatTime(when);
  const std::vector<std::string> expected = {
      "show window opened\t\t\t\t",
      "list loaded\t\t3 items\t\t/show/quadrel.LST",
      "item started\t1\t\t\tclips\\intro.bat",
      "item ended\t1\texit 0\t2.345\tclips\\intro.bat",
      "continuous show started\t1\t\t\t",
      "item started\t2\t\t\tb.sh",
      "item ended\t2\texit 3\t0.007\tb.sh",
      "item started\t3\t\t\tgone.avi",
      "item failed\t3\tCannot open file \"/show/gone.avi\". No such file\t\tgone.avi",
      "item started\t4\t\t\tvideo.avi",
      "item ended\t4\tno process to wait for\t0.012\tvideo.avi",
      "item ended\t5\texit unknown\t61.001\tx",
      "continuous show stopped\t\tend of the list\t\t",
      "list saved\t\t3 items\t\t/show/quadrel.LST",
      "program closed\t\t\t\t",
  };
  ASSERT_EQ(lines.size(), expected.size());
  for (size_t i = 0; i < lines.size(); ++i) EXPECT_EQ(lines[i], time + "\t" + expected[i]);
}

TEST(ShowJournal, TimeIsLocalWithMilliseconds) {
  const auto when = ShowJournal::Clock::from_time_t(1'800'000'000) + 7ms;
  const std::string text = ShowJournal::FormatTime(when);
  EXPECT_TRUE(std::regex_match(text, std::regex(R"(\d{4}-\d\d-\d\d \d\d:\d\d:\d\d\.007)"))) << text;
  const std::time_t seconds = 1'800'000'000;
  char expected[32];
  std::strftime(expected, sizeof expected, "%Y-%m-%d %H:%M:%S", std::localtime(&seconds));
  EXPECT_EQ(text.substr(0, 19), expected);
}

TEST(ShowJournal, ItemBytesStayAndOnlyLineBreaksAreReplaced) {
  TempDir dir;
  ShowJournal journal(dir.file("quadrel.log"));
  const std::string item = "caf\xE9\tn\xFF\\clip.avi";  // Latin-1 bytes and a tab in a name
  journal.ItemStarted(7, item);
  journal.ItemFailed(7, item, "first line\r\nsecond\tpart");
  const auto lines = Lines(dir.read("quadrel.log"));
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(Fields(lines[0])[5], item);  // the text is the rest of the line, tab and all
  const auto failed = Fields(lines[1]);
  EXPECT_EQ(failed[3], "first line  second part");
  EXPECT_EQ(failed[5], item);
}

TEST(ShowJournal, RollsOverBeforeTheCapAndKeepsTheNewestEvents) {
  TempDir dir;
  ShowJournal::Options options;
  options.capBytes = 400;
  ShowJournal journal(dir.file("quadrel.log"), options);
  for (int i = 1; i <= 40; ++i) journal.ItemStarted(i, "item" + std::to_string(i));

  const auto size = std::filesystem::file_size(dir.file("quadrel.log"));
  EXPECT_LE(size, 400u);
  EXPECT_LE(std::filesystem::file_size(dir.file("quadrel.log.1")), 400u);
  EXPECT_EQ(dir.listing(), "quadrel.log quadrel.log.1");
  // The older file and the current one hold the newest events in order, the last one included.
  auto lines = Lines(dir.read("quadrel.log.1"));
  for (const auto& line : Lines(dir.read("quadrel.log"))) lines.push_back(line);
  ASSERT_GE(lines.size(), 4u);
  const int first = std::stoi(Fields(lines.front())[2]);
  for (size_t i = 0; i < lines.size(); ++i) {
    EXPECT_EQ(Fields(lines[i])[2], std::to_string(first + static_cast<int>(i)));
    EXPECT_EQ(Fields(lines[i])[5], "item" + std::to_string(first + static_cast<int>(i)));
  }
  EXPECT_EQ(Fields(lines.back())[2], "40");
}

TEST(ShowJournal, UnwritableJournalReportsOnceAndRecovers) {
  TempDir dir;
  std::filesystem::create_directory(dir.file("quadrel.log"));  // a folder where the file belongs
  std::vector<std::string> reports;
  ShowJournal::Options options;
  options.reportError = [&](const std::string& text) { reports.push_back(text); };
  ShowJournal journal(dir.file("quadrel.log"), options);
  EXPECT_NO_THROW({
    journal.WindowOpened();
    journal.ItemStarted(1, "a");
    journal.ItemEnded(1, "a", 0, true, 1ms);
  });
  ASSERT_EQ(reports.size(), 1u);
  EXPECT_NE(reports[0].find(dir.file("quadrel.log")), std::string::npos);
  EXPECT_NE(reports[0].find("the show goes on"), std::string::npos);

  // Once the folder is gone, events are written again; nothing more is reported.
  std::filesystem::remove(dir.file("quadrel.log"));
  journal.ItemStarted(2, "b");
  EXPECT_EQ(reports.size(), 1u);
  EXPECT_EQ(Lines(dir.read("quadrel.log")).size(), 1u);
}

TEST(ShowJournal, MissingFolderIsAFailureNotAnError) {
  TempDir dir;
  int reports = 0;
  ShowJournal::Options options;
  options.reportError = [&](const std::string&) { ++reports; };
  ShowJournal journal(dir.file("no-such-folder/quadrel.log"), options);
  for (int i = 0; i < 5; ++i) journal.ItemStarted(i + 1, "x");
  EXPECT_EQ(reports, 1);
  EXPECT_EQ(dir.listing(), "");
}
