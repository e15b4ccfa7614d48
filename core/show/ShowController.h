#pragma once
#include <string>

#include "core/Services.h"
#include "core/show/ItemRunner.h"
#include "core/show/SettingsStore.h"
#include "core/show/ShowState.h"
#include "core/show/ShowView.h"
#include "core/showlist/ShowList.h"

// The show's rules: what each key does and in which order, playing an item, the continuous
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

  ShowController(Services& services, ShowState& state, ShowList& list, ShowView& view,
                 ItemRunner& runner, SettingsStore& store);

  // The show window was activated: the first time the files are read; every time the frame is
  // hidden and the texts drawn afresh.
  void Activated();
  // A resize that came before the first activation is laid out after it.
  void LayoutIfPending();
  void Resized();
  // One key (a virtual-key code) of the show window: at most one command, between the steps
  // every key takes.
  void HandleKey(int key);
  // The continuous show's pause has run out: the next item plays.
  void PauseElapsed();
  // Enter in the floating value window with `value`: the frame is laid out and shown.
  void FloatingValueEntered(const std::string& value);
  // The three saves of the close: settings and texts, then the list. Throws on the first that
  // fails; the others are skipped and the window stays open.
  void Close();
  // The close went through.
  void Closed();

  // Whether the continuous show's pause is running.
  bool Continuing() const { return pauseRunning_; }

 private:
  void FirstActivationSteps();
  void RefreshInfoDisplay();
  void ApplyWindowMode();
  void ShowPointer();
  void HidePointer();
  void UpdateCornerMarker();
  void LayoutFrame();
  void PlayStep();
  void PlayItem();
  void StartPause();
  void StopContinuousShow();

  Services& services_;
  ShowState& state_;
  ShowList& list_;
  ShowView& view_;
  ItemRunner& runner_;
  SettingsStore& store_;
  bool layoutPending_ = false;
  bool pauseRunning_ = false;
};
