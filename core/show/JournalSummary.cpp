#include "core/show/JournalSummary.h"

#include <charconv>
#include <cstdio>

#include "base/SplitTextLines.h"
#include "core/show/ShowJournal.h"

namespace {

bool Digits(const std::string& text, size_t from, size_t count, int& value) {
  value = 0;
  if (from + count > text.size()) return false;
  for (size_t i = from; i < from + count; ++i) {
    if (text[i] < '0' || text[i] > '9') return false;
    value = value * 10 + (text[i] - '0');
  }
  return true;
}

// Days since 1970-01-01 of a date in the proleptic Gregorian calendar.
long long DaysFromCivil(int year, int month, int day) {
  year -= month <= 2;
  const long long era = (year >= 0 ? year : year - 399) / 400;
  const long long yoe = year - era * 400;
  const long long doy = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
  const long long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - 719468;
}

long long DurationMs(const std::string& seconds) {
  const size_t dot = seconds.find('.');
  if (dot == std::string::npos || seconds.size() != dot + 4 || dot == 0) return 0;
  long long whole = 0;
  for (size_t i = 0; i < dot; ++i) {
    if (seconds[i] < '0' || seconds[i] > '9') return 0;
    whole = whole * 10 + (seconds[i] - '0');
  }
  int ms = 0;
  if (!Digits(seconds, dot + 1, 3, ms)) return 0;
  return whole * 1000 + ms;
}

std::string Clock(long long ms) {
  const long long seconds = ms / 1000;
  char out[48];
  std::snprintf(out, sizeof out, "%lld:%02lld:%02lld", seconds / 3600, seconds / 60 % 60,
                seconds % 60);
  return out;
}

}  // namespace

long long JournalTimeMs(const std::string& time) {
  int year, month, day, hour, minute, second, ms;
  if (time.size() != 23 || time[4] != '-' || time[7] != '-' || time[10] != ' ' || time[13] != ':' ||
      time[16] != ':' || time[19] != '.')
    return -1;
  if (!Digits(time, 0, 4, year) || !Digits(time, 5, 2, month) || !Digits(time, 8, 2, day) ||
      !Digits(time, 11, 2, hour) || !Digits(time, 14, 2, minute) || !Digits(time, 17, 2, second) ||
      !Digits(time, 20, 3, ms))
    return -1;
  if (month < 1 || month > 12 || day < 1 || day > 31 || hour > 23 || minute > 59 || second > 60)
    return -1;
  return ((DaysFromCivil(year, month, day) * 24 + hour) * 60 + minute) * 60000LL + second * 1000LL +
         ms;
}

std::vector<std::string> SplitJournalFields(std::string_view line) {
  std::vector<std::string> fields;
  size_t start = 0;
  while (fields.size() < 5) {
    const size_t tab = line.find('\t', start);
    if (tab == std::string_view::npos) break;
    fields.emplace_back(line.substr(start, tab - start));
    start = tab + 1;
  }
  fields.emplace_back(line.substr(start));
  return fields;
}

JournalSummary SummariseLastShow(const std::string& journal) {
  std::vector<std::vector<std::string>> events;
  size_t showStart = 0;
  for (const std::string_view line : SplitTextLines(journal)) {
    auto fields = SplitJournalFields(line);
    if (fields.size() != 6 || JournalTimeMs(fields[0]) < 0) continue;
    if (fields[1] == journal_event::kWindowOpened) showStart = events.size();
    events.push_back(std::move(fields));
  }

  JournalSummary summary;
  if (showStart >= events.size()) return summary;
  summary.found = true;
  summary.firstTime = events[showStart][0];
  summary.lastTime = events.back()[0];
  summary.elapsedMs = JournalTimeMs(summary.lastTime) - JournalTimeMs(summary.firstTime);
  if (summary.elapsedMs < 0) summary.elapsedMs = 0;  // the clock was set back during the show
  for (size_t i = showStart; i < events.size(); ++i) {
    const auto& f = events[i];
    const std::string& event = f[1];
    if (event == journal_event::kItemStarted || event == journal_event::kShowResumed) {
      if (event == journal_event::kItemStarted) ++summary.started;
      int position = 0;
      std::from_chars(f[2].data(), f[2].data() + f[2].size(), position);
      summary.lastStartedPosition = position;
      summary.lastStartedItem = f[5];
    } else if (event == journal_event::kItemEnded) {
      ++summary.ended;
      summary.playingMs += DurationMs(f[4]);
      if (f[3].rfind("exit ", 0) == 0 && f[3] != "exit 0" && f[3] != "exit unknown")
        summary.failures.push_back({f[0], f[2], f[5], f[3]});
    } else if (event == journal_event::kItemFailed) {
      summary.failures.push_back({f[0], f[2], f[5], f[3]});
    } else if (event == journal_event::kProgramClosed) {
      summary.closed = true;
    }
  }
  return summary;
}

std::string FormatJournalSummary(const JournalSummary& summary, const std::string& journalFile) {
  if (!summary.found) return journalFile + ": no show in the journal\n";
  std::string out = "Last show in " + journalFile + ": " + summary.firstTime + " to " +
                    summary.lastTime + (summary.closed ? "" : " (not closed)") + "\n";
  for (const auto& failure : summary.failures)
    out += failure.time + "  " + (failure.position.empty() ? "-" : failure.position) + ": " +
           failure.item + ": " + failure.what + "\n";
  out += "Items played: " + std::to_string(summary.started) + " (" + std::to_string(summary.ended) +
         " ended)\n";
  out += "Failures: " + std::to_string(summary.failures.size()) + "\n";
  out += "Total time: " + Clock(summary.elapsedMs) + " (items playing " + Clock(summary.playingMs) +
         ")\n";
  return out;
}
