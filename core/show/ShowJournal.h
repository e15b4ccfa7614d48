#pragma once
#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

// The show journal: one tab-separated line per event of the show, appended to a file beside the
// program, so that after a show an operator can tell what failed when and how long each item
// ran. Columns: local time with milliseconds, event, position (counted from 1 as the show
// window numbers it), result, duration in seconds, text (the item or list file, its bytes
// unchanged; it comes last, so a tab inside it cannot shift the columns before it).
//
// Writing the journal must never disturb the show: no call throws, and a journal that cannot be
// written reports its first failure once through `reportError` and tries again at the next event.
class ShowJournal {
 public:
  using Clock = std::chrono::system_clock;

  struct Options {
    // The file is moved to `<path>.1` (replacing an older one) before it would grow past this.
    std::uintmax_t capBytes = 1024 * 1024;
    std::function<Clock::time_point()> now = [] { return Clock::now(); };
    std::function<void(const std::string&)> reportError;  // default: a line on standard error
  };

  explicit ShowJournal(std::string path);
  ShowJournal(std::string path, Options options);

  void WindowOpened();
  void ItemStarted(int position, const std::string& item);
  // `status`: the exit status, none when the system did not say or no process was waited for.
  // `fromRemote`: the item was ended from the remote control, not by itself.
  void ItemEnded(int position, const std::string& item, std::optional<int> status, bool waited,
                 std::chrono::milliseconds duration, bool fromRemote = false);
  // A play came `since` after the last one, inside the GO protection of `protection`.
  void PlayDropped(int position, std::chrono::milliseconds since,
                   std::chrono::milliseconds protection);
  void ItemFailed(int position, const std::string& item, const std::string& message);
  void ContinuousStarted(int position);
  void ContinuousStopped(int position, const std::string& reason);
  void ListLoaded(const std::string& file, std::size_t count);
  void ListSaved(const std::string& file, std::size_t count);
  // A NUL byte in `line` of the list file ended the list after `count` items; `keptIn` names
  // the copy of the whole file, or is empty when none could be kept.
  void ListCutShort(const std::string& file, std::size_t line, std::size_t count,
                    const std::string& keptIn);
  // The operator chose to go on after an unexpected end: after `position`, `item`.
  void ShowResumed(int position, const std::string& item);
  // The chosen screen `number` is not connected; the primary one is covered instead.
  void ScreenMissing(int number);
  // The remote control's servers: listening, refusing a sender, input they could not read.
  // `what` is the remote's own line; `peer` the address it concerns, if any.
  void RemoteNote(const std::string& what, const std::string& peer);
  void ProgramClosed();

  const std::string& Path() const { return path_; }

  // The line as it is written, without its line end; exposed for the reader's tests.
  static std::string FormatLine(const std::string& time, const std::string& event, int position,
                                const std::string& result, const std::string& duration,
                                const std::string& text);
  // "2026-12-08 21:14:03.120" in local time.
  static std::string FormatTime(Clock::time_point when);

 private:
  void Write(const std::string& event, int position, const std::string& result,
             const std::string& duration, const std::string& text) noexcept;
  // Throws std::runtime_error with the system's reason.
  void Append(const std::string& line);
  void RollIfFull(std::uintmax_t adding);

  std::string path_;
  Options options_;
  bool reported_ = false;
};

// The events' names as they stand in the journal.
namespace journal_event {
inline constexpr const char* kWindowOpened = "show window opened";
inline constexpr const char* kItemStarted = "item started";
inline constexpr const char* kItemEnded = "item ended";
inline constexpr const char* kItemFailed = "item failed";
inline constexpr const char* kPlayDropped = "play dropped";
inline constexpr const char* kContinuousStarted = "continuous show started";
inline constexpr const char* kContinuousStopped = "continuous show stopped";
inline constexpr const char* kListLoaded = "list loaded";
inline constexpr const char* kListSaved = "list saved";
inline constexpr const char* kListCutShort = "list cut short";
inline constexpr const char* kShowResumed = "show resumed";
inline constexpr const char* kScreenMissing = "screen not connected";
inline constexpr const char* kRemote = "remote";
inline constexpr const char* kProgramClosed = "program closed";
}  // namespace journal_event
