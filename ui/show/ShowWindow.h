#pragma once
#include <QMargins>
#include <QRect>
#include <QSize>
#include <QWidget>
#include <optional>
#include <string>
#include <vector>

#include "core/Services.h"
#include "core/show/Key.h"
#include "core/show/ShowController.h"
#include "core/show/ShowState.h"
#include "core/show/ShowView.h"
#include "core/showlist/ShowList.h"

class EyeCheckCard;
class FloatingValueWindow;
class ItemWait;
class Label;
class LinesDisplay;
class QTimer;
class Shape;
class WindowsOnDemand;
struct LanguageValues;

// The show window: black, split into a left and a right half, one per eye. It draws what its
// controller tells it and hands it the operator's keys, the pause timer's ticks, activations,
// resizes and the close, each inside the error guard.
//
// It is the controller's view and owns its item runner, so it is built first: the application
// then builds the controller over View() and Runner() and hands it over with SetController,
// before the window is shown. The other windows come from `windows` when first needed.
class ShowWindow : public QWidget, private ShowView {
  Q_OBJECT
 public:
  ShowWindow(Services& services, ShowState& state, WindowsOnDemand& windows);

  ShowView& View() { return *this; }
  ItemRunner& Runner();
  void SetController(ShowController& controller) { controller_ = &controller; }
  ShowController& Controller() { return *controller_; }

  // The help displays' designed width; narrower only where a half has less room.
  static constexpr int kHelpWidth = 281;

  // Entry points, each run inside the error guard; what waited during an item follows. A key
  // runs its command, if it has one, between the steps every key takes.
  void KeyDown(Key key, bool autoRepeat = false);
  void PauseElapsed();
  // The show window's own activation (the first one, or the keyboard back from the floating
  // value window).
  void Activate();

  // The window's outer size, border and title bar included.
  int OuterWidth() const;
  int OuterHeight() const;
  // Where a message box is to stand, in screen coordinates: the left half while the window is
  // maximised, so that one eye sees all of it; null (Qt's own place) while windowed.
  QRect MessageArea() const;

  // The help lines of both displays (ShowWindowTexts.cpp).
  void ShowTexts(const LanguageValues& texts);

 signals:
  // The close went through: the program ends.
  void Closed();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void moveEvent(QMoveEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  // The construction's steps.
  void SetWindowLook();
  void BuildControls();
  void PreparePauseTimer();
  // The first activation, and the keyboard back from the floating value window, activate the
  // show; another window's activation does not.
  void WatchActivations();

  // What the controller asks of the window.
  void ClearInfo() override;
  void ShowInfo(const InfoDisplay& info) override;
  void ToggleFrame() override;
  void SetFrameVisible(bool visible) override;
  host::ScreenSize OuterSize() const override;
  void PlaceRightTexts(int half) override;
  void PlaceFrame(const FloatingFrameGeometry& geometry) override;
  void ToggleCornerMarker() override;
  void SetMarkerColour(MarkerColour colour) override;
  void ShowMaximised(const host::ScreenRect& area) override;
  void ShowNormal(int outerWidth, int outerHeight) override;
  void MoveTo(int left, int top) override;
  host::ScreenRect FrameRect() const override;
  void Close() override;
  void OpenShowList() override;
  void OpenShowOptions() override;
  void ShowLockNote(const std::string& text, int milliseconds) override;
  void HideLockNote() override;
  void ToggleFloatingValueWindow(const std::string& value) override;
  void TakeKeyboardFromFloatingValue() override;
  void ToggleEyeCheckCard() override;
  void HideEyeCheckCard() override;
  void StartPause(int milliseconds) override;
  void StopPause() override;
  bool PauseRunning() const override;

  // The four frame shapes in the order every show and hide goes through them.
  std::vector<Shape*> FrameShapes() const;

  // Full screen on one screen, through the window manager's full-screen state.
  void FullScreenOn(const QRect& screenArea);
  // Over several screens side by side, where no window manager's full-screen state reaches: a
  // window without frame at the area's place and size.
  void SpanScreens(const QRect& area);
  // Covers the lock notes' place in both halves.
  void PlaceLockNotes();

  // Sizes the window so that its border and title bar included it has this size.
  void SetOuterSize(int outerWidth, int outerHeight);
  // Sets the wanted outer size again when the frame's margins have changed since.
  void KeepOuterSize();
  // The frame's margins around the client area; none while the window is maximised.
  QMargins FrameMargins() const;
  // The margins as Qt knows them at the moment, possibly from before a change of mode.
  QMargins QtFrameMargins() const;
  // Where the windowed frame goes back to: where it stood, or the primary screen's corner when
  // no screen is left there.
  QPoint WindowedFramePositionOnAScreen(int outerWidth, int outerHeight) const;
  // Each half's texts end inside that half: a left text where the right half begins, a right
  // text at the window's edge; long ones are cut, help lines wrap.
  void FitTextsToHalves();
  int HalfWidth() const;
  int RoomInHalf(const QWidget* text) const;

  // Tests look at the controls through it, and only tests.
  friend class ShowWindowTestAccess;

  // Controls, in stacking order from the bottom.
  Shape* frameRectLeft_;
  Shape* frameRectRight_;
  Label* descriptionLabelLeft_;
  Label* numberLabelLeft_;
  Label* descriptionLabelRight_;
  Label* numberLabelRight_;
  Shape* frameLineRight_;
  Shape* frameLineLeft_;
  Shape* cornerMarker_;
  LinesDisplay* helpLeft_;
  LinesDisplay* helpRight_;
  // The show lock's note, once in each half so that both eyes see it; above everything.
  Label* lockNoteLeft_;
  Label* lockNoteRight_;
  QTimer* lockNoteTimer_;
  // Under everything else, so the frame, texts and help stay drawn over it.
  EyeCheckCard* eyeCheckCard_;
  QTimer* pauseTimer_;

  Services& services_;
  ShowState& state_;
  WindowsOnDemand& windows_;
  ItemWait* itemWait_;  // a child of the window
  ShowController* controller_ = nullptr;
  bool floatingHandOverDone_ = false;
  // The windowed mode's outer size, and the frame margins it was last set with.
  std::optional<QSize> outerSizeWanted_;
  QMargins marginsUsed_;
  // The windowed mode's frame corner and margins when full screen was last entered.
  QPoint windowedFramePosition_;
  QMargins windowedMargins_;
  // Maximised over several screens, without the full-screen state.
  bool spanning_ = false;
};
