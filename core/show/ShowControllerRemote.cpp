#include <algorithm>
#include <string>

#include "core/show/ShowController.h"

namespace {

RemoteResult Done(std::string note = {}) {
  return {true, std::move(note), std::nullopt};
}

RemoteResult Refused(std::string reason) {
  return {false, std::move(reason), std::nullopt};
}

// Commands that play or move the position: while an item plays they would wait for its end,
// and a remote's command must not act later than its sender saw.
bool PlaysOrSteps(const RemoteCommand& command) {
  if (command.action == RemoteAction::GoTo) return true;
  if (command.action != RemoteAction::Show) return false;
  switch (command.command) {
    case Command::Play:
    case Command::NextItem:
    case Command::PreviousItem:
    case Command::FirstItem:
    case Command::EndOfShow:
      return true;
    default:
      return false;
  }
}

// Only what the remote may ask: no window opens, the program does not end.
bool AllowedFromRemote(Command command) {
  switch (command) {
    case Command::OpenShowList:
    case Command::OpenShowOptions:
    case Command::ToggleFloatingValueWindow:
    case Command::Close:
      return false;
    default:
      return true;
  }
}

}  // namespace

RemoteResult ShowController::RunRemote(const RemoteCommand& command) {
  if (state_.firstActivation) return Refused("the show window has not opened yet");
  switch (command.action) {
    case RemoteAction::State:
    case RemoteAction::Subscribe:
      return {true, {}, StateForRemote()};
    case RemoteAction::EndItem:
      switch (EndRunningItem()) {
        case EndItemResult::Ended:
          return Done();
        case EndItemResult::NonePlaying:
          return Refused("no item is playing");
        case EndItemResult::CannotEnd:
          return Refused(
              "the item cannot be ended: it was handed to a program already running, or its "
              "process does not end");
      }
      return Refused("no item is playing");
    case RemoteAction::CloseMessage:
      if (!services_.messages || !services_.messages->CloseStandingMessage())
        return Refused("no message stands over the show");
      return Done();
    case RemoteAction::Show:
    case RemoteAction::GoTo:
      break;
  }
  if (std::optional<std::string> refusal = RemoteRefusal(command))
    return Refused(std::move(*refusal));
  if (command.action == RemoteAction::GoTo) {
    state_.showIndex = command.position - 1;
    RunSteps(std::nullopt, true);
    return Done();
  }
  if (command.command == Command::Play && !PlayAllowed()) {
    RunSteps(std::nullopt, true);
    return Refused("dropped by GO protection: too soon after the last play");
  }
  if (command.command == Command::StopContinuousShow && itemSince_ && settings_.continuousMode) {
    stopWhenItemEnds_ = state_.showIndex + 2;  // where the show stands after the item
    RunSteps(std::nullopt, true);
    return Done("the continuous show stops when the item ends");
  }
  RunSteps(command.command, true);
  return Done();
}

std::optional<std::string> ShowController::RemoteRefusal(const RemoteCommand& command) const {
  if (state_.firstActivation) return "the show window has not opened yet";
  if (command.action != RemoteAction::Show && command.action != RemoteAction::GoTo)
    return std::nullopt;
  // A key cannot reach the show window past a message box either.
  if (services_.messages && services_.messages->StandingMessage())
    return "a message stands over the show: close it first";
  if (itemSince_ && PlaysOrSteps(command)) return "an item is playing";
  if (command.action == RemoteAction::GoTo) {
    const int32_t count = list_.Count();
    if (command.position < 1 || command.position > count)
      return "there is no item " + std::to_string(command.position) + ": the list holds " +
             std::to_string(count);
    return std::nullopt;
  }
  if (!AllowedFromRemote(command.command)) return "not a command of the remote";
  return std::nullopt;
}

RemoteState ShowController::StateForRemote() const {
  RemoteState state;
  const int32_t count = list_.Count();
  const int32_t index = std::clamp(state_.showIndex, 0, count);
  state.position = index + 1;
  state.count = count;
  if (index < count) {
    state.currentItem = list_.Item(index);
    int32_t next = index + 1;
    if (next == count && settings_.loopAll) next = 0;
    if (next < count) state.nextItem = list_.Item(next);
  }
  state.playing = itemSince_.has_value();
  if (itemSince_)
    state.playingFor = std::chrono::duration_cast<std::chrono::milliseconds>(Now() - *itemSince_);
  // During an item the pause is not running yet, but follows it.
  state.continuous = view_.PauseRunning() ||
                     (itemSince_ && settings_.continuousMode && !stopWhenItemEnds_.has_value());
  state.loopAll = settings_.loopAll;
  if (services_.messages) state.message = services_.messages->StandingMessage();
  return state;
}
