#pragma once
#include <string>
#include <string_view>
#include <vector>

// What the show journal says about the last show: from its last "show window opened" line to the
// end (a journal without one counts from its first line).
struct JournalSummary {
  struct Failure {
    std::string time;
    std::string position;
    std::string item;
    std::string what;  // the message shown, or the exit status of an item that ended badly
  };
  bool found = false;  // the journal holds at least one event
  std::string firstTime;
  std::string lastTime;
  long long elapsedMs = 0;  // from the first event of the show to its last
  long long playingMs = 0;  // the durations of the items that ended, added up
  int started = 0;
  int ended = 0;
  bool closed = false;  // the show ended with "program closed", not cut off
  // The last item started (or the item a resumed show went on after): its position as the
  // journal numbers it, from 1, and its text; 0 and empty when none was.
  int lastStartedPosition = 0;
  std::string lastStartedItem;
  std::vector<Failure> failures;  // items that could not be opened or ended with a status not 0
};

// The fields of one journal line; the sixth, the text, is the rest of the line, tabs and all.
std::vector<std::string> SplitJournalFields(std::string_view line);

// Reads journal text (the older file's content first when it was rolled over); lines it cannot
// read are skipped.
JournalSummary SummariseLastShow(const std::string& journal);

// Milliseconds since 1970 of a journal time "YYYY-MM-DD HH:MM:SS.mmm" taken as UTC (only
// differences are used); -1 when the text is no such time.
long long JournalTimeMs(const std::string& time);

// The summary as printed by quadrel-check --journal.
std::string FormatJournalSummary(const JournalSummary& summary, const std::string& journalFile);
