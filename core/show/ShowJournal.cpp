#include "core/show/ShowJournal.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <stdexcept>

namespace {

namespace fs = std::filesystem;

// A line break in a field would split the event over two lines; a tab in a field before the
// last would shift the columns. Only those bytes are replaced, every other byte stays.
std::string OneField(const std::string& text, bool last) {
  std::string out = text;
  for (char& c : out)
    if (c == '\r' || c == '\n' || (!last && c == '\t')) c = ' ';
  return out;
}

std::string Seconds(std::chrono::milliseconds duration) {
  const long long ms = duration.count() < 0 ? 0 : duration.count();
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%lld.%03lld", ms / 1000, ms % 1000);
  return buffer;
}

}  // namespace

ShowJournal::ShowJournal(std::string path) : ShowJournal(std::move(path), Options{}) {}

ShowJournal::ShowJournal(std::string path, Options options)
    : path_(std::move(path)), options_(std::move(options)) {}

std::string ShowJournal::FormatTime(Clock::time_point when) {
  const std::time_t seconds = Clock::to_time_t(when);
  const auto ms =
      std::chrono::duration_cast<std::chrono::milliseconds>(when - Clock::from_time_t(seconds))
          .count();
  // The program is single-threaded where it writes the journal; localtime's shared buffer is safe.
  const std::tm* local = std::localtime(&seconds);
  char buffer[64] = "0000-00-00 00:00:00";
  if (local) std::strftime(buffer, sizeof buffer, "%Y-%m-%d %H:%M:%S", local);
  char out[80];
  std::snprintf(out, sizeof out, "%s.%03d", buffer, static_cast<int>(ms < 0 ? 0 : ms));
  return out;
}

std::string ShowJournal::FormatLine(const std::string& time, const std::string& event, int position,
                                    const std::string& result, const std::string& duration,
                                    const std::string& text) {
  std::string line = time;
  line += '\t';
  line += event;
  line += '\t';
  if (position > 0) line += std::to_string(position);
  line += '\t';
  line += OneField(result, false);
  line += '\t';
  line += duration;
  line += '\t';
  line += OneField(text, true);
  return line;
}

void ShowJournal::WindowOpened() {
  Write(journal_event::kWindowOpened, 0, {}, {}, {});
}

void ShowJournal::ItemStarted(int position, const std::string& item) {
  Write(journal_event::kItemStarted, position, {}, {}, item);
}

void ShowJournal::ItemEnded(int position, const std::string& item, std::optional<int> status,
                            bool waited, std::chrono::milliseconds duration, bool fromRemote) {
  std::string result;
  if (!waited)
    result = "no process to wait for";
  else if (status)
    result = "exit " + std::to_string(*status);
  else
    result = "exit unknown";
  // Not "exit ..." first: an item ended on purpose is no failure of the show.
  if (fromRemote) result = "ended from the remote, " + result;
  Write(journal_event::kItemEnded, position, result, Seconds(duration), item);
}

void ShowJournal::ItemFailed(int position, const std::string& item, const std::string& message) {
  Write(journal_event::kItemFailed, position, message, {}, item);
}

void ShowJournal::PlayDropped(int position, std::chrono::milliseconds since,
                              std::chrono::milliseconds protection) {
  Write(journal_event::kPlayDropped, position,
        "GO protection: " + std::to_string(since.count()) + " ms after the last play, " +
            std::to_string(protection.count()) + " ms set",
        {}, {});
}

void ShowJournal::RemoteNote(const std::string& what, const std::string& peer) {
  Write(journal_event::kRemote, 0, what, {}, peer);
}

void ShowJournal::ContinuousStarted(int position) {
  Write(journal_event::kContinuousStarted, position, {}, {}, {});
}

void ShowJournal::ContinuousStopped(int position, const std::string& reason) {
  Write(journal_event::kContinuousStopped, position, reason, {}, {});
}

void ShowJournal::ListLoaded(const std::string& file, std::size_t count) {
  Write(journal_event::kListLoaded, 0, std::to_string(count) + " items", {}, file);
}

void ShowJournal::ListSaved(const std::string& file, std::size_t count) {
  Write(journal_event::kListSaved, 0, std::to_string(count) + " items", {}, file);
}

void ShowJournal::ListCutShort(const std::string& file, std::size_t line, std::size_t count,
                               const std::string& keptIn) {
  std::string result =
      "NUL byte in line " + std::to_string(line) + ", " + std::to_string(count) + " items read; ";
  result += keptIn.empty() ? "no copy of the whole file kept" : "whole file kept in " + keptIn;
  Write(journal_event::kListCutShort, 0, result, {}, file);
}

void ShowJournal::ShowResumed(int position, const std::string& item) {
  Write(journal_event::kShowResumed, position, "going on after this item", {}, item);
}

void ShowJournal::ScreenMissing(int number) {
  Write(journal_event::kScreenMissing, 0,
        "screen " + std::to_string(number) + " chosen; the primary screen is covered", {}, {});
}

void ShowJournal::ProgramClosed() {
  Write(journal_event::kProgramClosed, 0, {}, {}, {});
}

void ShowJournal::Write(const std::string& event, int position, const std::string& result,
                        const std::string& duration, const std::string& text) noexcept {
  try {
    std::string line =
        FormatLine(FormatTime(options_.now()), event, position, result, duration, text);
    line += '\n';
    RollIfFull(line.size());
    Append(line);
  } catch (const std::exception& error) {
    if (reported_) return;
    reported_ = true;
    const std::string message = "quadrel: the show journal " + path_ + " cannot be written (" +
                                error.what() + "); the show goes on without it";
    try {
      if (options_.reportError) {
        options_.reportError(message);
      } else {
        std::fprintf(stderr, "%s\n", message.c_str());
        std::fflush(stderr);
      }
    } catch (...) {
    }
  } catch (...) {
  }
}

void ShowJournal::RollIfFull(std::uintmax_t adding) {
  std::error_code error;
  const std::uintmax_t size = fs::file_size(path_, error);
  if (error || size == 0 || size + adding <= options_.capBytes) return;
  const std::string older = path_ + ".1";
  // A failed roll-over is no reason to lose the event: it is appended to the full file instead.
  fs::remove(older, error);
  fs::rename(path_, older, error);
}

void ShowJournal::Append(const std::string& line) {
  errno = 0;
  std::FILE* file = std::fopen(path_.c_str(), "ab");
  if (!file) throw std::runtime_error(errno ? std::strerror(errno) : "it cannot be opened");
  const size_t written = std::fwrite(line.data(), 1, line.size(), file);
  const int writeErrno = errno;
  const bool closed = std::fclose(file) == 0;
  if (written != line.size() || !closed)
    throw std::runtime_error(writeErrno ? std::strerror(writeErrno) : "it cannot be written");
}
