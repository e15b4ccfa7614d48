#pragma once
#include <chrono>
#include <functional>
#include <optional>
#include <string>

#include "core/Services.h"
#include "core/remote/RemoteCommands.h"
#include "core/remote/RemoteState.h"
#include "core/settings/ProgramFiles.h"
#include "core/show/Commands.h"
#include "core/show/ItemRunner.h"
#include "core/show/JournalSummary.h"
#include "core/show/ShowLock.h"
#include "core/show/ShowState.h"
#include "core/show/ShowView.h"
#include "core/showlist/ShowList.h"

// The show's rules: what each command does and in which order, playing an item, the continuous
// show's pause, and the show window's activation, resize and close. It changes the show state
// and tells its view what to draw. Errors are thrown (AppError with the operator's message);
// the window runs each entry point inside its error guard.
class ShowController {
 public:
  // The pause between two items of the continuous show, from the end of one to the next's start.
  static constexpr int kPauseMs = 1500;
  // The show window's outer size when not maximised.
  static constexpr int kNormalOuterWidth = 800;
  static constexpr int kNormalOuterHeight = 600;

  // `values` are the settings and texts the program holds; the first activation reads them from
  // their files and the close writes them back.
  ShowController(Services& services, ShowState& state, ShowList& list, ProgramValues& values,
                 ShowView& view, ItemRunner& runner);

  // Runs at the first activation once the settings and texts have been read, before the
  // automatic list is loaded: the windows already built show them.
  std::function<void()> onFilesRead;

  // The show window was activated: the first time the files are read; every time the frame is
  // hidden and the texts drawn afresh.
  void Activated();
  // A resize that came before the first activation is laid out after it.
  void LayoutIfPending();
  void Resized();
  // A key of the show window, or a command from elsewhere: the command, if any, between the
  // steps every key takes (a key without a command takes them all the same).
  void Run(std::optional<Command> command);
  // A key of the show window: its command, if any, held back by the show lock when that is on
  // and this is the key's first press (`autoRepeat`: the key repeating while held down).
  void KeyPressed(Key key, bool autoRepeat);
  // The show lock's note went by itself: the next guarded key is a first press again.
  void LockNoteGone();
  // The continuous show's pause has run out: the next item plays.
  void PauseElapsed();

  enum class EndItemResult {
    Ended,        // its processes are being ended; the show goes on as after any item's end
    NonePlaying,  // no item plays
    CannotEnd,    // the item was handed to a program already running: there is no process
  };
  // From the remote control: the playing item and the processes it started are ended (the wait
  // for it returns once they are gone), and the journal says it was ended from the remote.
  EndItemResult EndRunningItem();
  // A command from the remote control, run as its key would be but never held back by the show
  // lock. Refused while a message box stands over the show (but for state, ending the item and
  // closing the message), and a play or step while an item plays: never queued. A stop during an
  // item keeps the pause after it from starting. Throws as Run does.
  RemoteResult RunRemote(const RemoteCommand& command);
  // Why RunRemote would refuse a show command or goto now, without running it; none: it runs
  // (a play may still be dropped by GO protection, see PlayWouldBeDropped). Other actions are
  // decided when they run.
  std::optional<std::string> RemoteRefusal(const RemoteCommand& command) const;
  // A play now would come inside GO protection's time after the last one.
  bool PlayWouldBeDropped() const;
  // Where the show stands now.
  RemoteState StateForRemote() const;
  // Enter in the floating value window with `value`: the frame is laid out and shown.
  void FloatingValueEntered(const std::string& value);
  // The three saves of the close: settings and texts (as the program holds them, the show's
  // displays and floating value included), then the list. Throws on the first that fails; the
  // others are skipped and the window stays open.
  void SaveAtClose();
  // The close went through.
  void Closed();

  // Whether the continuous show runs: its pause timer, not a copy of its state, says so.
  bool Continuing() const { return view_.PauseRunning(); }

 private:
  // The command between the steps every key takes; `fromRemote` for the journal.
  void RunSteps(std::optional<Command> command, bool fromRemote = false);
  void RunBeforeTheBounds(Command command);
  void FirstActivationSteps();
  // What the journal says of the run before this one, read before this run writes to it.
  std::optional<JournalSummary> LastRunOfJournal();
  // After an unexpected end: the question whether to go on after the last item started.
  void OfferResume(const std::optional<JournalSummary>& lastRun);
  // The show list window closed with a changed list: it is written at once, so that a crash
  // later loses none of it. A failure is reported and the key's steps go on.
  void SaveChangedList();
  // The area M covers, by the show options.
  host::ScreenRect AreaToMaximise();
  void RefreshInfoDisplay();
  void ApplyWindowMode();
  void ShowPointer();
  void HidePointer();
  void UpdateCornerMarker();
  void LayoutFrame();
  void PlayStep();
  void PlayItem();
  void StartPause();
  void StopContinuousShow(const char* reason);
  // Whether a play may go under GO protection, counted from when it was pressed (a key held
  // back during an item counts from its press); a dropped one is journalled.
  bool PlayAllowed();
  // How long after the last play a play now would come, when that is inside GO protection.
  std::optional<std::chrono::milliseconds> SinceLastPlayInsideProtection() const;
  std::chrono::steady_clock::time_point Now() const;

  Services& services_;
  ShowState& state_;
  ShowList& list_;
  ProgramValues& values_;
  // The play options (continuous show, Loop All) are read here, where the show list window's
  // boxes write them.
  const Settings& settings_;
  ShowView& view_;
  ItemRunner& runner_;
  bool layoutPending_ = false;
  ShowLock lock_;
  // A chosen screen that is missing is journalled once a run, not at every item.
  bool screenMissingJournalled_ = false;
  // The playing item's process while it is waited for.
  platform::Process* playing_ = nullptr;
  // The last item was handed to a program already running: nothing of it can be ended.
  bool handedOver_ = false;
  bool endedFromRemote_ = false;
  // When the item under way started; none while no item is.
  std::optional<std::chrono::steady_clock::time_point> itemSince_;
  // The remote stopped the continuous show during an item: no pause after it. The position the
  // show stands at then, for the journal.
  std::optional<int32_t> stopWhenItemEnds_;
  // When the last play that went was pressed.
  std::optional<std::chrono::steady_clock::time_point> lastPlay_;
};
