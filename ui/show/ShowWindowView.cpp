// The show window as its controller's view: each call carries out one thing the show's rules
// decided.
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QWindow>
#include <algorithm>

#include "ui/WindowsOnDemand.h"
#include "ui/controls/Label.h"
#include "ui/controls/LinesDisplay.h"
#include "ui/controls/Shape.h"
#include "ui/qt/QStringBytes.h"
#include "ui/show/EyeCheckCard.h"
#include "ui/show/FloatingValueWindow.h"
#include "ui/show/ItemWait.h"
#include "ui/show/MarkerColours.h"
#include "ui/show/ShowOptionsWindow.h"
#include "ui/show/ShowWindow.h"
#include "ui/showlist/ShowListWindow.h"

void ShowWindow::ClearInfo() {
  for (Label* label :
       {numberLabelLeft_, descriptionLabelLeft_, numberLabelRight_, descriptionLabelRight_})
    label->clear();
}

void ShowWindow::ShowInfo(const InfoDisplay& info) {
  const std::pair<Label*, QString> texts[] = {
      {numberLabelLeft_, QString::fromStdString(info.numberLeft)},
      {descriptionLabelLeft_, FromBytes(info.descriptionLeft)},
      {numberLabelRight_, QString::fromStdString(info.numberRight)},
      {descriptionLabelRight_, FromBytes(info.descriptionRight)},
  };
  for (const auto& [label, text] : texts) label->SetTextWithin(text, RoomInHalf(label));
  helpLeft_->setVisible(info.helpLeft);
  helpRight_->setVisible(info.helpRight);
}

int ShowWindow::HalfWidth() const {
  // The same half the right texts are placed by.
  return OuterWidth() / 2;
}

int ShowWindow::RoomInHalf(const QWidget* text) const {
  // A left text ends where the right half begins; a right text at the window's edge.
  const bool left = text == numberLabelLeft_ || text == descriptionLabelLeft_ ||
                    text == helpLeft_ || text == lockNoteLeft_;
  return std::max(0, (left ? HalfWidth() : width()) - text->x());
}

QRect ShowWindow::MessageArea() const {
  if (!state_.maximised || !isVisible()) return {};
  return QRect(mapToGlobal(QPoint(0, 0)), QSize(HalfWidth(), height()));
}

void ShowWindow::FitTextsToHalves() {
  for (Label* label :
       {numberLabelLeft_, descriptionLabelLeft_, numberLabelRight_, descriptionLabelRight_})
    label->FitWithin(RoomInHalf(label));
  for (LinesDisplay* help : {helpLeft_, helpRight_})
    help->resize(std::min(kHelpWidth, RoomInHalf(help)), help->height());
}

void ShowWindow::ToggleFrame() {
  for (Shape* shape : FrameShapes()) shape->setVisible(shape->isHidden());
}

void ShowWindow::SetFrameVisible(bool visible) {
  for (Shape* shape : FrameShapes()) shape->setVisible(visible);
}

host::ScreenSize ShowWindow::OuterSize() const {
  return {OuterWidth(), OuterHeight()};
}

void ShowWindow::PlaceRightTexts(int half) {
  numberLabelRight_->move(numberLabelLeft_->x() + half, numberLabelRight_->y());
  descriptionLabelRight_->move(descriptionLabelLeft_->x() + half, descriptionLabelRight_->y());
  helpRight_->move(helpLeft_->x() + half, helpRight_->y());
  FitTextsToHalves();
}

void ShowWindow::PlaceFrame(const FloatingFrameGeometry& g) {
  // The rectangles span the client height: they are anchored to its top and bottom.
  frameRectLeft_->Place(g.rectangleLeftL, 0, g.rectangleWidth, height());
  frameLineLeft_->Place(g.lineLeftL, 0, 1, g.lineHeight);
  frameRectRight_->Place(g.rectangleLeftR, 0, g.rectangleWidth, height());
  frameLineRight_->Place(g.lineLeftR, 0, 1, g.lineHeight);
}

void ShowWindow::ToggleCornerMarker() {
  cornerMarker_->setVisible(cornerMarker_->isHidden());
}

void ShowWindow::SetMarkerColour(MarkerColour colour) {
  cornerMarker_->SetBrushColour(MarkerColourOf(colour));
}

void ShowWindow::ShowMaximised(const host::ScreenRect& area) {
  outerSizeWanted_.reset();
  const QRect whole(area.x, area.y, area.width, area.height);
  if (!isFullScreen() && !spanning_) {
    // Where to come back to: a window manager's own memory of it is overwritten below.
    windowedFramePosition_ = frameGeometry().topLeft();
    if (!QtFrameMargins().isNull()) windowedMargins_ = QtFrameMargins();
  }
  // No screen reported: the window manager's full-screen state alone, on whatever screen.
  if (whole.isEmpty()) {
    if (!isFullScreen()) showFullScreen();
    return;
  }
  bool oneScreen = false;
  for (const QScreen* screen : QGuiApplication::screens())
    oneScreen = oneScreen || screen->geometry() == whole;
  if (oneScreen)
    FullScreenOn(whole);
  else
    SpanScreens(whole);
}

void ShowWindow::FullScreenOn(const QRect& screenArea) {
  if (isFullScreen() && geometry() == screenArea) return;
  if (spanning_) {
    spanning_ = false;
    setWindowFlag(Qt::FramelessWindowHint, false);
  } else if (isFullScreen()) {
    // Full screen on another screen: a window manager moves no full-screen window, so it
    // leaves that state first.
    showNormal();
  }
  // The screen's size and place for a desktop without a window manager, where nobody else sizes
  // the window, and so that a window manager puts it on that screen; set before the full-screen
  // state, as a later resize would drop that state again.
  setGeometry(screenArea);
  // The full-screen state: a window manager then gives the window exactly the screen, without
  // its frame and above panels. The window's flags stay as they are: changing them hides and
  // maps the window again, and a window manager then lost the full-screen request.
  showFullScreen();
}

void ShowWindow::SpanScreens(const QRect& area) {
  if (spanning_ && geometry() == area) return;
  if (isFullScreen()) showNormal();
  if (!spanning_) {
    spanning_ = true;
    // Hides the window; shown again below, without its frame.
    setWindowFlag(Qt::FramelessWindowHint, true);
  }
  setGeometry(area);
  show();
  raise();
  activateWindow();
}

void ShowWindow::ShowNormal(int outerWidth, int outerHeight) {
  if (!isFullScreen() && !spanning_) {
    if (!isVisible()) show();
    SetOuterSize(outerWidth, outerHeight);
    return;
  }
  if (spanning_) {
    spanning_ = false;
    setWindowFlag(Qt::FramelessWindowHint, false);
    show();
    activateWindow();
  } else {
    showNormal();
  }
  // Back where the window stood, at the outer size asked for. The frame it had then is the one
  // it gets again; the window manager tells Qt so only later, if at all, and a size taken from
  // the margins Qt knows now would be the frame's size off.
  const QMargins m = windowedMargins_;
  setGeometry(
      QRect(WindowedFramePositionOnAScreen(outerWidth, outerHeight) + QPoint(m.left(), m.top()),
            QSize(outerWidth - m.left() - m.right(), outerHeight - m.top() - m.bottom())));
  outerSizeWanted_ = QSize(outerWidth, outerHeight);
  marginsUsed_ = m;
}

QPoint ShowWindow::WindowedFramePositionOnAScreen(int outerWidth, int outerHeight) const {
  // The screen the window stood on may have gone while it was maximised (a projector unplugged
  // during the show); back there it would be off the desktop, out of the operator's reach.
  const QRect windowed(windowedFramePosition_, QSize(outerWidth, outerHeight));
  for (const QScreen* screen : QGuiApplication::screens())
    if (screen->geometry().intersects(windowed)) return windowedFramePosition_;
  const QScreen* primary = QGuiApplication::primaryScreen();
  return primary ? primary->geometry().topLeft() : QPoint(0, 0);
}

QMargins ShowWindow::QtFrameMargins() const {
  const QRect outer = frameGeometry();
  const QRect inner = geometry();
  return {inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
          outer.bottom() - inner.bottom()};
}

QMargins ShowWindow::FrameMargins() const {
  // Maximised means no frame, also in the moment between the show's switch and the window
  // manager's, when Qt still reports the old frame and the halves would be laid out by it.
  if (state_.maximised || isFullScreen() || spanning_) return {};
  // Coming back from full screen Qt may report no frame for a while; the one the window had
  // before is the one it has again.
  const QMargins margins = QtFrameMargins();
  return margins.isNull() ? windowedMargins_ : margins;
}

void ShowWindow::SetOuterSize(int outerWidth, int outerHeight) {
  // A window manager adds its frame only after the window is first shown; until it has, the
  // margins are not known. The size wanted is kept, and set anew once they are (moveEvent).
  outerSizeWanted_ = QSize(outerWidth, outerHeight);
  marginsUsed_ = FrameMargins();
  resize(outerWidth - marginsUsed_.left() - marginsUsed_.right(),
         outerHeight - marginsUsed_.top() - marginsUsed_.bottom());
}

void ShowWindow::KeepOuterSize() {
  if (outerSizeWanted_ && FrameMargins() != marginsUsed_)
    SetOuterSize(outerSizeWanted_->width(), outerSizeWanted_->height());
}

void ShowWindow::MoveTo(int left, int top) {
  // The window's outer corner, frame and title bar included: placed by the frame's corner, a
  // window manager keeps the title bar on the screen even before the frame's size is known.
  if (QWindow* native = windowHandle())
    native->setFramePosition(QPoint(left, top));
  else
    move(left, top);
}

host::ScreenRect ShowWindow::FrameRect() const {
  const QRect frame = frameGeometry();
  return {frame.x(), frame.y(), frame.width(), frame.height()};
}

void ShowWindow::Close() {
  close();
}

void ShowWindow::OpenShowList() {
  ShowListWindow& listWindow = windows_.ListWindow();
  listWindow.move(listWindow.x(), 0);
  listWindow.move(0, 0);
  listWindow.exec();
}

void ShowWindow::OpenShowOptions() {
  ShowOptionsWindow& optionsWindow = windows_.OptionsWindow();
  // On the show's own screen, at its top left corner, as the show list window is on its.
  const QScreen* here = screen();
  optionsWindow.move(here ? here->geometry().topLeft() : QPoint(0, 0));
  optionsWindow.exec();
}

void ShowWindow::ShowLockNote(const std::string& text, int milliseconds) {
  const QString note = QString::fromStdString(text);
  for (Label* half : {lockNoteLeft_, lockNoteRight_}) {
    half->SetTextWithin(note, 0);
    half->show();
    half->raise();
  }
  PlaceLockNotes();
  lockNoteTimer_->start(milliseconds);
}

void ShowWindow::HideLockNote() {
  lockNoteTimer_->stop();
  for (Label* note : {lockNoteLeft_, lockNoteRight_}) note->hide();
}

void ShowWindow::PlaceLockNotes() {
  // Low in each half, clear of the item's texts and the help lines.
  const int top = std::max(0, height() - 64);
  lockNoteLeft_->move(24, top);
  lockNoteRight_->move(HalfWidth() + 24, top);
  for (Label* note : {lockNoteLeft_, lockNoteRight_}) note->FitWithin(RoomInHalf(note));
}

void ShowWindow::ToggleFloatingValueWindow(const std::string& value) {
  FloatingValueWindow& floatingWindow = windows_.FloatingWindow();
  floatingWindow.ShowValue(value);
  if (floatingWindow.isVisible()) {
    floatingWindow.hide();
  } else {
    floatingWindow.show();
    floatingWindow.activateWindow();  // the floating value window takes the keyboard
  }
}

void ShowWindow::TakeKeyboardFromFloatingValue() {
  windows_.FloatingWindow().hide();
  floatingHandOverDone_ = true;
  activateWindow();
  Activate();
}

void ShowWindow::ToggleEyeCheckCard() {
  if (eyeCheckCard_->isHidden()) {
    eyeCheckCard_->setGeometry(rect());
    eyeCheckCard_->show();
    // The frame's rectangles are filled black over the window's own black; while the card is
    // under them, only their outlines may show.
    for (Shape* shape : {frameRectLeft_, frameRectRight_}) shape->SetBrushColour(Qt::transparent);
  } else {
    HideEyeCheckCard();
  }
}

void ShowWindow::HideEyeCheckCard() {
  if (eyeCheckCard_->isHidden()) return;
  eyeCheckCard_->hide();
  for (Shape* shape : {frameRectLeft_, frameRectRight_}) shape->SetBrushColour(Qt::black);
}

void ShowWindow::StartPause(int milliseconds) {
  // A coarse timer may fire up to 5 % early; the pause is a promise to the audience, so it is
  // kept to the millisecond.
  pauseTimer_->setTimerType(Qt::PreciseTimer);
  pauseTimer_->setInterval(milliseconds);
  pauseTimer_->start();
  itemWait_->DropTick();
}

void ShowWindow::StopPause() {
  pauseTimer_->stop();
  itemWait_->DropTick();
}

bool ShowWindow::PauseRunning() const {
  return pauseTimer_->isActive();
}
