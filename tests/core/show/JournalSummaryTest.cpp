#include <gtest/gtest.h>

#include "core/show/JournalSummary.h"

namespace {
std::string Line(const std::string& time, const std::string& event, const std::string& position,
                 const std::string& result, const std::string& duration, const std::string& text) {
  return time + "\t" + event + "\t" + position + "\t" + result + "\t" + duration + "\t" + text +
         "\n";
}
}  // namespace

TEST(JournalSummary, CountsTheLastShowOnly) {
  std::string journal;
  // An earlier show, with a failure that must not count.
  journal += Line("2026-12-07 20:00:00.000", "show window opened", "", "", "", "");
  journal += Line("2026-12-07 20:00:01.000", "item failed", "1", "Cannot open file", "", "old");
  journal += Line("2026-12-07 20:00:02.000", "program closed", "", "", "", "");
  // The last show runs over midnight.
  journal += Line("2026-12-07 23:59:58.500", "show window opened", "", "", "", "");
  journal += Line("2026-12-07 23:59:59.000", "item started", "1", "", "", "a.sh");
  journal += Line("2026-12-08 00:00:01.250", "item ended", "1", "exit 0", "2.250", "a.sh");
  journal += "a line that is no event\n";
  journal += Line("2026-12-08 00:00:02.750", "item started", "2", "", "", "b\tc.sh");
  journal += Line("2026-12-08 00:00:03.000", "item ended", "2", "exit 3", "0.250", "b\tc.sh");
  journal += Line("2026-12-08 00:00:04.500", "item started", "3", "", "", "gone.avi");
  journal +=
      Line("2026-12-08 00:00:04.510", "item failed", "3", "Cannot open file \"x\"", "", "gone.avi");
  journal += Line("2026-12-08 00:00:06.000", "item started", "4", "", "", "v.avi");
  journal += Line("2026-12-08 00:00:06.001", "item ended", "4", "exit unknown", "0.001", "v.avi");
  journal += Line("2026-12-08 00:00:07.000", "program closed", "", "", "", "");

  const JournalSummary summary = SummariseLastShow(journal);
  ASSERT_TRUE(summary.found);
  EXPECT_TRUE(summary.closed);
  EXPECT_EQ(summary.firstTime, "2026-12-07 23:59:58.500");
  EXPECT_EQ(summary.lastTime, "2026-12-08 00:00:07.000");
  EXPECT_EQ(summary.elapsedMs, 8500);
  EXPECT_EQ(summary.playingMs, 2501);
  EXPECT_EQ(summary.started, 4);
  EXPECT_EQ(summary.ended, 3);
  ASSERT_EQ(summary.failures.size(), 2u);
  EXPECT_EQ(summary.failures[0].item, "b\tc.sh");
  EXPECT_EQ(summary.failures[0].what, "exit 3");
  EXPECT_EQ(summary.failures[1].position, "3");
  EXPECT_EQ(summary.failures[1].what, "Cannot open file \"x\"");

  EXPECT_EQ(FormatJournalSummary(summary, "quadrel.log"),
            "Last show in quadrel.log: 2026-12-07 23:59:58.500 to 2026-12-08 00:00:07.000\n"
            "2026-12-08 00:00:03.000  2: b\tc.sh: exit 3\n"
            "2026-12-08 00:00:04.510  3: gone.avi: Cannot open file \"x\"\n"
            "Items played: 4 (3 ended)\n"
            "Failures: 2\n"
            "Total time: 0:00:08 (items playing 0:00:02)\n");
}

TEST(JournalSummary, ShowCutOffOrWithoutItsStart) {
  // A show whose opening line was rolled away counts from the first line; one without "program
  // closed" (the program was killed) says so.
  const std::string journal =
      Line("2026-12-08 10:00:00.000", "item started", "5", "", "", "x") +
      Line("2026-12-08 11:02:03.000", "item ended", "5", "exit 0", "3723.000", "x");
  const JournalSummary summary = SummariseLastShow(journal);
  ASSERT_TRUE(summary.found);
  EXPECT_FALSE(summary.closed);
  EXPECT_EQ(summary.elapsedMs, 3723000);
  EXPECT_NE(FormatJournalSummary(summary, "j").find("(not closed)"), std::string::npos);
  EXPECT_NE(FormatJournalSummary(summary, "j").find("Total time: 1:02:03"), std::string::npos);

  EXPECT_FALSE(SummariseLastShow("").found);
  EXPECT_FALSE(SummariseLastShow("garbage\n\t\t\t\t\t\n").found);
  EXPECT_EQ(FormatJournalSummary(SummariseLastShow(""), "j"), "j: no show in the journal\n");
}

TEST(JournalSummary, TimesAreReadStrictly) {
  EXPECT_EQ(JournalTimeMs("1970-01-01 00:00:00.000"), 0);
  EXPECT_EQ(JournalTimeMs("1970-01-02 00:00:01.002"), 86'401'002);
  EXPECT_EQ(JournalTimeMs("2024-03-01 00:00:00.000") - JournalTimeMs("2024-02-28 00:00:00.000"),
            2 * 86'400'000LL);  // a leap year
  EXPECT_EQ(JournalTimeMs("2026-12-08 21:14:03"), -1);
  EXPECT_EQ(JournalTimeMs("2026-13-08 21:14:03.000"), -1);
  EXPECT_EQ(JournalTimeMs("2026-12-08T21:14:03.000"), -1);
  EXPECT_EQ(JournalTimeMs("2026-12-08 2a:14:03.000"), -1);
}
