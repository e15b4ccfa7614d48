#pragma once
#include <string>

#include "core/host/Screen.h"
#include "core/show/FloatingFrame.h"
#include "core/show/ShowRules.h"

// What the info texts and help displays of both halves show; empty texts are not drawn.
struct InfoDisplay {
  std::string numberLeft;
  std::string descriptionLeft;  // the item's stored bytes
  std::string numberRight;
  std::string descriptionRight;
  bool helpLeft = false;
  bool helpRight = false;
};

// The show window as the show's rules see it: what it draws and the windows it opens. The
// controller decides when; the window only carries it out.
class ShowView {
 public:
  virtual ~ShowView() = default;

  virtual void ClearInfo() = 0;
  virtual void ShowInfo(const InfoDisplay& info) = 0;

  // The floating frame: its four shapes, and their places for one geometry.
  virtual void ToggleFrame() = 0;
  virtual void SetFrameVisible(bool visible) = 0;
  // The window's outer size, border and title bar included.
  virtual host::ScreenSize OuterSize() const = 0;
  // The right half's texts keep the places of their left twins, `half` further right.
  virtual void PlaceRightTexts(int half) = 0;
  virtual void PlaceFrame(const FloatingFrameGeometry& geometry) = 0;

  virtual void ToggleCornerMarker() = 0;
  virtual void SetMarkerColour(MarkerColour colour) = 0;

  // Borderless over `area` (one screen, or several side by side), or with its border at this
  // outer size.
  virtual void ShowMaximised(const host::ScreenRect& area) = 0;
  virtual void ShowNormal(int outerWidth, int outerHeight) = 0;
  // The window's outer corner, frame and title bar included, to this point of the desktop.
  virtual void MoveTo(int left, int top) = 0;
  // Where the window stands on the desktop, frame included: which screen it is on.
  virtual host::ScreenRect FrameRect() const = 0;
  // Asks the window to close; the close itself runs ShowController::SaveAtClose.
  virtual void Close() = 0;

  // The show list window, modally, at the screen's top left corner.
  virtual void OpenShowList() = 0;
  // The show options window, modally; its changes are in the settings when it returns.
  virtual void OpenShowOptions() = 0;
  // Shows the floating value window with `value` in its field, or hides it when shown.
  virtual void ToggleFloatingValueWindow(const std::string& value) = 0;
  // Hides the floating value window and gives the keyboard back to the show window, running
  // the show window's activation now.
  virtual void TakeKeyboardFromFloatingValue() = 0;
  virtual void ToggleEyeCheckCard() = 0;
  virtual void HideEyeCheckCard() = 0;

  // A short note in both halves; after `milliseconds` it goes and ShowController::LockNoteGone
  // runs. Hidden at once by HideLockNote.
  virtual void ShowLockNote(const std::string& text, int milliseconds) = 0;
  virtual void HideLockNote() = 0;

  // The continuous show's pause: after `milliseconds`, ShowController::PauseElapsed runs, and
  // again every `milliseconds` until stopped.
  virtual void StartPause(int milliseconds) = 0;
  virtual void StopPause() = 0;
  // Whether the pause runs: the one record of whether the continuous show does.
  virtual bool PauseRunning() const = 0;
};
