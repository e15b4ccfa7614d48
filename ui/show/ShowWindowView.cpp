// The show window as its controller's view: each call carries out one thing the show's rules
// decided.
#include <QLineEdit>
#include <QTimer>

#include "ui/controls/Label.h"
#include "ui/controls/Memo.h"
#include "ui/controls/Shape.h"
#include "ui/qt/TextCodec.h"
#include "ui/show/EyeCheckCard.h"
#include "ui/show/FloatingValueWindow.h"
#include "ui/show/ItemWait.h"
#include "ui/show/MarkerColours.h"
#include "ui/show/ShowWindow.h"
#include "ui/showlist/ShowListWindow.h"

void ShowWindow::ClearInfo() {
  for (Label* label :
       {numberLabelLeft, descriptionLabelLeft, numberLabelRight, descriptionLabelRight})
    label->clear();
}

void ShowWindow::ShowInfo(const InfoDisplay& info) {
  const std::pair<Label*, QString> texts[] = {
      {numberLabelLeft, QString::fromStdString(info.numberLeft)},
      {descriptionLabelLeft, FromBytes(info.descriptionLeft)},
      {numberLabelRight, QString::fromStdString(info.numberRight)},
      {descriptionLabelRight, FromBytes(info.descriptionRight)},
  };
  for (const auto& [label, text] : texts) {
    label->setText(text);
    label->adjustSize();
    if (text.isEmpty()) label->resize(0, 0);
  }
  helpLeft->setVisible(info.helpLeft);
  helpRight->setVisible(info.helpRight);
}

void ShowWindow::ToggleFrame() {
  for (Shape* shape : FrameShapes()) shape->setVisible(shape->isHidden());
}

void ShowWindow::SetFrameVisible(bool visible) {
  for (Shape* shape : FrameShapes()) shape->setVisible(visible);
}

platform::ScreenSize ShowWindow::OuterSize() const {
  return {OuterWidth(), OuterHeight()};
}

void ShowWindow::PlaceRightTexts(int half) {
  numberLabelRight->move(numberLabelLeft->x() + half, numberLabelRight->y());
  descriptionLabelRight->move(descriptionLabelLeft->x() + half, descriptionLabelRight->y());
  helpRight->move(helpLeft->x() + half, helpRight->y());
}

void ShowWindow::PlaceFrame(const FloatingFrameGeometry& g) {
  // The rectangles span the client height: they are anchored to its top and bottom.
  frameRectLeft->SetBounds(g.rectangleLeftL, 0, g.rectangleWidth, height());
  frameLineLeft->SetBounds(g.lineLeftL, 0, 1, g.lineHeight);
  frameRectRight->SetBounds(g.rectangleLeftR, 0, g.rectangleWidth, height());
  frameLineRight->SetBounds(g.lineLeftR, 0, 1, g.lineHeight);
}

void ShowWindow::ToggleCornerMarker() {
  cornerMarker->setVisible(cornerMarker->isHidden());
}

void ShowWindow::SetMarkerColour(MarkerColour colour) {
  cornerMarker->SetBrushColour(MarkerColourOf(colour));
}

void ShowWindow::ShowMaximised(platform::ScreenSize screen) {
  if (!(windowFlags() & Qt::FramelessWindowHint)) setWindowFlag(Qt::FramelessWindowHint, true);
  // Also ask the window manager for the full-screen state, so panels stay below the show.
  showFullScreen();
  setGeometry(0, 0, screen.width, screen.height);
  SetOuterSize(screen.width, screen.height);
}

void ShowWindow::ShowNormal(int outerWidth, int outerHeight) {
  if (windowFlags() & Qt::FramelessWindowHint) setWindowFlag(Qt::FramelessWindowHint, false);
  if (isFullScreen()) showNormal();
  if (!isVisible()) show();
  SetOuterSize(outerWidth, outerHeight);
}

void ShowWindow::SetOuterSize(int outerWidth, int outerHeight) {
  const int frameWidth = frameGeometry().width() - width();
  const int frameHeight = frameGeometry().height() - height();
  resize(outerWidth - frameWidth, outerHeight - frameHeight);
}

void ShowWindow::MoveToOrigin() {
  move(0, 0);
}

void ShowWindow::Close() {
  close();
}

void ShowWindow::OpenShowList() {
  listWindow_.move(listWindow_.x(), 0);
  listWindow_.move(0, 0);
  listWindow_.exec();
}

void ShowWindow::ToggleFloatingValueWindow(const std::string& value) {
  floatingWindow_.valueEdit->setText(FromBytes(value));
  if (floatingWindow_.isVisible()) {
    floatingWindow_.hide();
  } else {
    floatingWindow_.show();
    floatingWindow_.activateWindow();  // the floating value window takes the keyboard
  }
}

void ShowWindow::TakeKeyboardFromFloatingValue() {
  floatingWindow_.hide();
  floatingHandOverDone_ = true;
  activateWindow();
  Activate();
}

void ShowWindow::ToggleEyeCheckCard() {
  if (eyeCheckCard->isHidden()) {
    eyeCheckCard->setGeometry(rect());
    eyeCheckCard->show();
    // The frame's rectangles are filled black over the window's own black; while the card is
    // under them, only their outlines may show.
    for (Shape* shape : {frameRectLeft, frameRectRight}) shape->SetBrushColour(Qt::transparent);
  } else {
    HideEyeCheckCard();
  }
}

void ShowWindow::HideEyeCheckCard() {
  if (eyeCheckCard->isHidden()) return;
  eyeCheckCard->hide();
  for (Shape* shape : {frameRectLeft, frameRectRight}) shape->SetBrushColour(Qt::black);
}

void ShowWindow::StartPause(int milliseconds) {
  // A coarse timer may fire up to 5 % early; the pause is a promise to the audience, so it is
  // kept to the millisecond.
  pauseTimer->setTimerType(Qt::PreciseTimer);
  pauseTimer->setInterval(milliseconds);
  pauseTimer->start();
  itemWait_->DropTick();
}

void ShowWindow::StopPause() {
  pauseTimer->stop();
  itemWait_->DropTick();
}
