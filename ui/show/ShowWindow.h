#pragma once
#include <QWidget>
#include <string>
#include <vector>

#include "core/Services.h"
#include "core/show/SettingsStore.h"
#include "core/show/ShowState.h"
#include "core/showlist/ShowList.h"

class Label;
class QTimer;
class Memo;
class Shape;
class EyeCheckCard;
class FloatingValueWindow;
class ShowListWindow;
struct LanguageValues;

// The show window: black, split into a left and a right half, one per eye.
class ShowWindow : public QWidget {
  Q_OBJECT
 public:
  ShowWindow(Services& services, ShowState& state, ShowList& list, ShowListWindow& listWindow,
             FloatingValueWindow& floatingWindow, SettingsStore& store);

  // Controls, in stacking order from the bottom.
  Shape* frameRectLeft;
  Shape* frameRectRight;
  Label* descriptionLabelLeft;
  Label* numberLabelLeft;
  Label* descriptionLabelRight;
  Label* numberLabelRight;
  Shape* frameLineRight;
  Shape* frameLineLeft;
  Shape* cornerMarker;
  Memo* helpLeft;
  Memo* helpRight;
  QTimer* pauseTimer;
  // Under everything else, so the frame, texts and help stay drawn over it.
  EyeCheckCard* eyeCheckCard;

  // Handlers.
  void FormCreate();
  void FormActivate();
  void FormKeyDown(int key);
  void FormResize();
  bool FormCanResize(int& newWidth, int& newHeight);
  // The three saves; false when one failed and the window must stay open.
  bool FormClose();

  // Display operations.
  void RefreshInfoDisplay();
  void ApplyWindowMode();
  void ShowPointer();
  void HidePointer();
  void UpdateCornerMarker();
  void LayoutFloatingFrame();
  // The eye check card (T): on or off; off whenever an item is started. Never saved.
  void ToggleEyeCheckCard();
  void HideEyeCheckCard();

  // Playing items and the continuous show.
  void PlayItem();
  void PlayStep();
  void PauseElapsed();
  void StopContinuousShow();

  // The floating value window hands the keyboard back: this is an activation, run now so that
  // what the caller does next (showing the frame) comes after it.
  void ActivateFromFloating();
  // Enter in the floating value window: the value is taken, the frame laid out and shown.
  void FloatingValueEntered(const std::string& value);
  ShowState& State() const { return state_; }

  Services& services() const { return services_; }
  // The window's outer size, border and title bar included.
  int OuterWidth() const;
  int OuterHeight() const;
  // The show list's item count, read at the moment of use.
  int Count() const;
  // The four frame shapes in the order every show and hide goes through them.
  std::vector<Shape*> FrameShapes() const;

  // The help lines of both displays; the left one is saved (ShowWindowTexts.cpp).
  void ApplyTexts(const LanguageValues& texts);
  void CollectTexts(LanguageValues& texts) const;

 signals:
  // The close went through: the program ends.
  void Closed();

 protected:
  bool event(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void FirstActivationSteps();
  void LoadAutomaticList();
  // Sizes the window so that its border and title bar included it has this size.
  void SetOuterSize(int outerWidth, int outerHeight);

  Services& services_;
  ShowState& state_;
  ShowList& list_;
  ShowListWindow& listWindow_;
  FloatingValueWindow& floatingWindow_;
  SettingsStore& store_;
  bool layoutPending_ = false;
  bool floatingHandOverDone_ = false;
};
