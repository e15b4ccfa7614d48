#include "ui/show/ShowWindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QPointer>
#include <QResizeEvent>
#include <QTimer>

#include "core/RunGuarded.h"
#include "core/settings/LanguageTexts.h"
#include "core/show/Commands.h"
#include "ui/WindowsOnDemand.h"
#include "ui/controls/Label.h"
#include "ui/controls/LinesDisplay.h"
#include "ui/controls/Shape.h"
#include "ui/show/EyeCheckCard.h"
#include "ui/show/ItemWait.h"
#include "ui/show/MarkerColours.h"
#include "ui/show/VirtualKeyFromQt.h"

namespace {

constexpr int kDesignClientWidth = 792;
constexpr int kDesignClientHeight = 573;

QFont PixelFont(const char* family, int pixels, bool bold) {
  QFont font(family);
  font.setPixelSize(pixels);
  font.setBold(bold);
  return font;
}

// White text on black. A palette rather than a style sheet: a style sheet anywhere makes every
// widget's polish and every text change dearer, at start-up and on each key.
void SetWhiteOnBlack(QWidget* widget) {
  QPalette palette = widget->palette();
  palette.setColor(QPalette::WindowText, Qt::white);
  palette.setColor(QPalette::Window, Qt::black);
  widget->setPalette(palette);
}

Label* MakeInfoLabel(QWidget* parent, int left, int top) {
  auto* label = new Label(parent);
  label->setFont(PixelFont("Arial", 21, true));
  SetWhiteOnBlack(label);  // the background stays transparent: no fill
  label->setTextFormat(Qt::PlainText);
  label->setFocusPolicy(Qt::NoFocus);
  label->setAttribute(Qt::WA_TransparentForMouseEvents);
  label->move(left, top);
  label->resize(0, 0);
  return label;
}

LinesDisplay* MakeHelpDisplay(QWidget* parent, int left) {
  const LanguageValues texts = TextsBeforeReading();
  auto* display = new LinesDisplay(parent, {texts.help.begin(), texts.help.end()});
  display->setFont(PixelFont("Arial", 19, true));
  SetWhiteOnBlack(display);
  display->setAutoFillBackground(true);
  display->setGeometry(left, 86, ShowWindow::kHelpWidth, 339);
  return display;
}

// The last of the program's windows to be activated, to tell real activations of the show
// window (the first one, and taking the keyboard back from the floating value window) from the
// system's other ones (a closed modal window, a return from another program).
class ActivationWatcher : public QObject {
 public:
  explicit ActivationWatcher(ShowWindow* main) : QObject(main), main_(main) {}
  QPointer<QWidget> previous;
  std::function<void(QWidget*)> onMainActivated;
  std::function<void()> onOtherActivated;

 protected:
  bool eventFilter(QObject* object, QEvent* event) override {
    if (event->type() == QEvent::WindowActivate && object->isWidgetType()) {
      auto* widget = static_cast<QWidget*>(object);
      if (widget->isWindow()) {
        QWidget* before = previous;
        previous = widget;
        if (widget == main_ && onMainActivated) onMainActivated(before);
        if (widget != main_ && onOtherActivated) onOtherActivated();
      }
    }
    return false;
  }

 private:
  ShowWindow* main_;
};

}  // namespace

ShowWindow::ShowWindow(Services& services, ShowState& state, WindowsOnDemand& windows)
    : QWidget(nullptr),
      pauseTimer_(new QTimer(this)),
      services_(services),
      state_(state),
      windows_(windows),
      itemWait_(new ItemWait(*this, *pauseTimer_, [this] { PauseElapsed(); })) {
  SetWindowLook();
  BuildControls();
  PreparePauseTimer();
  WatchActivations();
}

void ShowWindow::SetWindowLook() {
  setWindowTitle(QStringLiteral("Quadrel V" QUADREL_VERSION));
  setAutoFillBackground(true);
  QPalette pal = palette();
  pal.setColor(QPalette::Window, Qt::black);
  setPalette(pal);
  setFont(PixelFont("Tahoma", 11, false));
  setFocusPolicy(Qt::StrongFocus);
  resize(kDesignClientWidth, kDesignClientHeight);
}

void ShowWindow::BuildControls() {
  // In stacking order from the bottom; the eye check card then goes under all of them.
  frameRectLeft_ = new Shape(this, Qt::white, Qt::black);
  frameRectLeft_->Place(0, 0, 396, 573);
  frameRectRight_ = new Shape(this, Qt::yellow, Qt::black);
  frameRectRight_->Place(396, 0, 396, 573);
  descriptionLabelLeft_ = MakeInfoLabel(this, 24, 56);
  numberLabelLeft_ = MakeInfoLabel(this, 24, 16);
  descriptionLabelRight_ = MakeInfoLabel(this, 456, 56);
  numberLabelRight_ = MakeInfoLabel(this, 456, 16);
  frameLineRight_ = new Shape(this, Qt::yellow, Qt::yellow);
  frameLineRight_->Place(396, 0, 65, 65);
  frameLineLeft_ = new Shape(this, Qt::white, Qt::white);
  frameLineLeft_->Place(0, 0, 65, 65);
  cornerMarker_ = new Shape(this, Qt::black, MarkerColourOf(MarkerColour::HotLight));
  cornerMarker_->Place(0, 0, 16, 16);
  helpLeft_ = MakeHelpDisplay(this, 24);
  helpRight_ = MakeHelpDisplay(this, 456);
  for (Label** note : {&lockNoteLeft_, &lockNoteRight_}) {
    *note = MakeInfoLabel(this, 24, 0);
    QPalette palette = (*note)->palette();
    palette.setColor(QPalette::WindowText, QColor(255, 200, 0));  // amber: not an item's text
    (*note)->setPalette(palette);
    (*note)->hide();
  }
  lockNoteTimer_ = new QTimer(this);
  lockNoteTimer_->setSingleShot(true);
  connect(lockNoteTimer_, &QTimer::timeout, this, [this] {
    HideLockNote();
    RunGuarded(services_, [this] { controller_->LockNoteGone(); });
  });
  eyeCheckCard_ = new EyeCheckCard(this);
  eyeCheckCard_->setGeometry(rect());
  eyeCheckCard_->lower();
  eyeCheckCard_->hide();
}

void ShowWindow::PreparePauseTimer() {
  pauseTimer_->setInterval(ShowController::kPauseMs);
  pauseTimer_->setSingleShot(false);
  connect(pauseTimer_, &QTimer::timeout, this, &ShowWindow::PauseElapsed);
}

void ShowWindow::WatchActivations() {
  auto* watcher = new ActivationWatcher(this);
  watcher->onMainActivated = [this](QWidget* previous) {
    if (state_.firstActivation) {
      Activate();
    } else if (previous && windows_.IsFloatingWindow(previous)) {
      // Enter in the floating value window has already run this activation itself.
      if (floatingHandOverDone_)
        floatingHandOverDone_ = false;
      else
        Activate();
    }
  };
  // Another window activated after the hand-over (the error box of a value that is no number):
  // the show window's next activation is not the hand-over's, and counts.
  watcher->onOtherActivated = [this] { floatingHandOverDone_ = false; };
  qApp->installEventFilter(watcher);
}

void ShowWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  // Without a window manager no activation may ever come; the first showing still counts.
  if (state_.firstActivation) {
    QTimer::singleShot(0, this, [this] {
      if (state_.firstActivation) Activate();
    });
  }
}

ItemRunner& ShowWindow::Runner() {
  return *itemWait_;
}

void ShowWindow::Activate() {
  RunGuarded(services_, [this] { controller_->Activated(); });
  RunGuarded(services_, [this] { controller_->LayoutIfPending(); });
}

void ShowWindow::KeyDown(Key key, bool autoRepeat) {
  RunGuarded(services_, [&] { controller_->KeyPressed(key, autoRepeat); });
  itemWait_->Release();
}

void ShowWindow::PauseElapsed() {
  RunGuarded(services_, [this] { controller_->PauseElapsed(); });
  itemWait_->Release();
}

int ShowWindow::OuterWidth() const {
  const QMargins m = FrameMargins();
  return width() + m.left() + m.right();
}
int ShowWindow::OuterHeight() const {
  const QMargins m = FrameMargins();
  return height() + m.top() + m.bottom();
}

std::vector<Shape*> ShowWindow::FrameShapes() const {
  return {frameRectLeft_, frameLineLeft_, frameRectRight_, frameLineRight_};
}

void ShowWindow::keyPressEvent(QKeyEvent* event) {
  KeyDown(VirtualKeyFromQt(*event), event->isAutoRepeat());
}

void ShowWindow::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  // The rectangles are anchored to the top and the bottom of the client area.
  for (Shape* shape : {frameRectLeft_, frameRectRight_})
    shape->Place(shape->x(), 0, shape->width(), height());
  eyeCheckCard_->setGeometry(rect());
  PlaceLockNotes();
  KeepOuterSize();
  if (controller_) RunGuarded(services_, [this] { controller_->Resized(); });
  FitTextsToHalves();
}

void ShowWindow::moveEvent(QMoveEvent* event) {
  QWidget::moveEvent(event);
  // The window manager's frame arrives with a move of the client inside it.
  KeepOuterSize();
}

void ShowWindow::closeEvent(QCloseEvent* event) {
  // A failed save skips the ones after it and keeps the window open; the next close starts over.
  if (!RunGuarded(services_, [this] { controller_->SaveAtClose(); })) {
    event->ignore();
    return;
  }
  event->accept();
  controller_->Closed();
  emit Closed();
}
