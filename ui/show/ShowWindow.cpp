#include "ui/show/ShowWindow.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPointer>
#include <QResizeEvent>
#include <QTimer>

#include "core/HandlerGuard.h"
#include "core/show/ShowJournal.h"
#include "core/show/ShowRules.h"
#include "core/show/ShowState.h"
#include "core/showlist/ItemPath.h"
#include "core/showlist/ShowListFile.h"
#include "platform/FileSystem.h"
#include "platform/SystemColours.h"
#include "ui/controls/Label.h"
#include "ui/controls/Memo.h"
#include "ui/controls/Shape.h"
#include "ui/qt/TextCodec.h"
#include "ui/show/EyeCheckCard.h"
#include "ui/show/FloatingValueWindow.h"
#include "ui/show/VirtualKey.h"
#include "ui/showlist/ShowListModel.h"
#include "ui/showlist/ShowListWindow.h"

namespace {

constexpr int kDesignClientWidth = 792;
constexpr int kDesignClientHeight = 573;
// Guards the pointer loops against a counter that never crosses its threshold.
constexpr int kMaxPointerCalls = 1 << 16;

const std::vector<std::string> kDesignHelpLines = {
    "H: Toggle Help",
    "L: Load File list",
    "M: Toggle Maximise screen",
    "I: Toggle current file info",
    "<-, 4: Previous file",
    "->, 6: Next file",
    "1: First file",
    "0: End of show position",
    "SPACE, ENT: Play file",
    "S: Toggle mono/stereo text",
    "P: Show/hide mouse pointer",
    "ESC, X: Exit",
    "F: Toggle floating frame",
    "V: Floating value",
    "C: Toggle corner indicator",
};

QColor Rgb(uint32_t rgb) {
  return QColor::fromRgb(rgb);
}

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

Memo* MakeHelpMemo(QWidget* parent, int left) {
  auto* memo = new Memo(parent, kDesignHelpLines);
  memo->setFont(PixelFont("Arial", 19, true));
  SetWhiteOnBlack(memo);
  memo->setAutoFillBackground(true);
  memo->setGeometry(left, 86, 281, 339);
  return memo;
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

ShowWindow::ShowWindow(Services& services, ShowState& state, ShowList& list,
                       ShowListWindow& listWindow, FloatingValueWindow& floatingWindow,
                       SettingsStore& store)
    : QWidget(nullptr),
      services_(services),
      state_(state),
      list_(list),
      listWindow_(listWindow),
      floatingWindow_(floatingWindow),
      store_(store) {
  setWindowTitle(QStringLiteral("Quadrel V" QUADREL_VERSION));
  setAutoFillBackground(true);
  QPalette pal = palette();
  pal.setColor(QPalette::Window, Qt::black);
  setPalette(pal);
  setFont(PixelFont("Tahoma", 11, false));
  setFocusPolicy(Qt::StrongFocus);
  resize(kDesignClientWidth, kDesignClientHeight);

  frameRectLeft = new Shape(this, Qt::white, Qt::black);
  frameRectLeft->SetBounds(0, 0, 396, 573);
  frameRectRight = new Shape(this, Qt::yellow, Qt::black);
  frameRectRight->SetBounds(396, 0, 396, 573);
  descriptionLabelLeft = MakeInfoLabel(this, 24, 56);
  numberLabelLeft = MakeInfoLabel(this, 24, 16);
  descriptionLabelRight = MakeInfoLabel(this, 456, 56);
  numberLabelRight = MakeInfoLabel(this, 456, 16);
  frameLineRight = new Shape(this, Qt::yellow, Qt::yellow);
  frameLineRight->SetBounds(396, 0, 65, 65);
  frameLineLeft = new Shape(this, Qt::white, Qt::white);
  frameLineLeft->SetBounds(0, 0, 65, 65);
  cornerMarker =
      new Shape(this, Qt::black, Rgb(platform::SystemColourRgb(platform::SystemColour::HotLight)));
  cornerMarker->SetBounds(0, 0, 16, 16);
  helpLeft = MakeHelpMemo(this, 24);
  helpRight = MakeHelpMemo(this, 456);
  eyeCheckCard = new EyeCheckCard(this);
  eyeCheckCard->setGeometry(rect());
  eyeCheckCard->lower();
  eyeCheckCard->hide();

  pauseTimer = new QTimer(this);
  pauseTimer->setInterval(1500);
  pauseTimer->setSingleShot(false);
  connect(pauseTimer, &QTimer::timeout, this, &ShowWindow::PauseElapsed);

  auto* watcher = new ActivationWatcher(this);
  watcher->onMainActivated = [this](QWidget* previous) {
    if (state_.firstActivation) {
      FormActivate();
    } else if (previous && previous == &floatingWindow_) {
      // Enter in the floating value window has already run this activation itself.
      if (floatingHandOverDone_)
        floatingHandOverDone_ = false;
      else
        FormActivate();
    }
  };
  // Another window activated after the hand-over (the error box of a value that is no number):
  // the show window's next activation is not the hand-over's, and counts.
  watcher->onOtherActivated = [this] { floatingHandOverDone_ = false; };
  qApp->installEventFilter(watcher);

  FormCreate();
}

void ShowWindow::FormCreate() {
  state_.firstActivation = true;
  state_.pointerVisible = true;
}

void ShowWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  // Without a window manager no activation may ever come; the first showing still counts.
  if (state_.firstActivation) {
    QTimer::singleShot(0, this, [this] {
      if (state_.firstActivation) FormActivate();
    });
  }
}

void ShowWindow::FormActivate() {
  RunGuarded(services_, [this] {
    if (state_.firstActivation) FirstActivationSteps();
    for (Shape* shape : FrameShapes()) shape->setVisible(false);
    RefreshInfoDisplay();
  });
  if (layoutPending_ && !state_.firstActivation) {
    layoutPending_ = false;
    FormResize();
  }
}

void ShowWindow::ActivateFromFloating() {
  floatingHandOverDone_ = true;
  activateWindow();
  FormActivate();
}

void ShowWindow::FirstActivationSteps() {
  state_.firstActivation = false;
  if (services_.journal) services_.journal->WindowOpened();
  state_.showIndex = 0;
  state_.maximised = false;
  store_.Load();
  state_.continuousMode = listWindow_.continuousBox->isChecked();
  state_.loopAll = listWindow_.loopBox->isChecked();
  LoadAutomaticList();
  state_.cursorDisplayCount = 0;
  move(0, 0);
}

void ShowWindow::LoadAutomaticList() {
  const std::string file = ProgramFileName(services_.exePath, ".LST");
  if (!platform::IsRegularFile(file)) return;
  list_.Assign(LoadShowList(file));
  if (services_.journal) services_.journal->ListLoaded(file, list_.Count());
}

int ShowWindow::Count() const {
  return list_.Count();
}

std::vector<Shape*> ShowWindow::FrameShapes() const {
  return {frameRectLeft, frameLineLeft, frameRectRight, frameLineRight};
}

void ShowWindow::RefreshInfoDisplay() {
  Label* labels[] = {numberLabelLeft, descriptionLabelLeft, numberLabelRight,
                     descriptionLabelRight};
  QString texts[4];
  if (state_.infoVisible) {
    const int count = Count();
    if (state_.showIndex >= 0 && state_.showIndex < count) {
      texts[0] = QString::number(state_.showIndex + 1);
      texts[1] = FromBytes(list_.Item(state_.showIndex));
      if (!state_.monoInfo) {
        texts[2] = texts[0];
        texts[3] = texts[1];
      }
    } else {
      texts[0] = QStringLiteral("END");
      if (!state_.monoInfo) texts[2] = QStringLiteral("END");
    }
  }
  for (int i = 0; i < 4; ++i) {
    labels[i]->setText(texts[i]);
    labels[i]->adjustSize();
    if (texts[i].isEmpty()) labels[i]->resize(0, 0);
  }
  helpLeft->setVisible(state_.helpVisible);
  helpRight->setVisible(state_.helpVisible && !state_.monoInfo);
}

int ShowWindow::OuterWidth() const {
  return frameGeometry().width();
}
int ShowWindow::OuterHeight() const {
  return frameGeometry().height();
}

void ShowWindow::ApplyWindowMode() {
  if (state_.maximised) {
    const platform::ScreenSize screen = services_.screen->Size();
    if (!(windowFlags() & Qt::FramelessWindowHint)) setWindowFlag(Qt::FramelessWindowHint, true);
    // Also ask the window manager for the full-screen state, so panels stay below the show.
    showFullScreen();
    setGeometry(0, 0, screen.width, screen.height);
    SetOuterSize(screen.width, screen.height);
    HidePointer();
  } else {
    if (windowFlags() & Qt::FramelessWindowHint) setWindowFlag(Qt::FramelessWindowHint, false);
    if (isFullScreen()) showNormal();
    if (!isVisible()) show();
    SetOuterSize(800, 600);
    ShowPointer();
  }
}

void ShowWindow::SetOuterSize(int outerWidth, int outerHeight) {
  const int frameWidth = frameGeometry().width() - width();
  const int frameHeight = frameGeometry().height() - height();
  resize(outerWidth - frameWidth, outerHeight - frameHeight);
}

void ShowWindow::ShowPointer() {
  if (state_.cursorDisplayCount >= 0) return;
  state_.pointerVisible = true;
  for (int calls = 0; calls < kMaxPointerCalls && state_.cursorDisplayCount < 0; ++calls)
    state_.cursorDisplayCount = services_.pointer->ShowCursor(true);
}

void ShowWindow::HidePointer() {
  if (state_.cursorDisplayCount < 0) return;
  state_.pointerVisible = false;
  for (int calls = 0; calls < kMaxPointerCalls && state_.cursorDisplayCount >= 0; ++calls)
    state_.cursorDisplayCount = services_.pointer->ShowCursor(false);
}

void ShowWindow::UpdateCornerMarker() {
  switch (CornerMarkerColour(state_.showIndex, Count())) {
    case MarkerColour::HotLight:
      cornerMarker->SetBrushColour(
          Rgb(platform::SystemColourRgb(platform::SystemColour::HotLight)));
      break;
    case MarkerColour::GrayText:
      cornerMarker->SetBrushColour(
          Rgb(platform::SystemColourRgb(platform::SystemColour::GrayText)));
      break;
    case MarkerColour::Purple:
      cornerMarker->SetBrushColour(QColor(0x80, 0x00, 0x80));
      break;
  }
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

void ShowWindow::FormResize() {
  // The floating value is read at the first activation; until then the layout waits.
  if (state_.firstActivation) {
    layoutPending_ = true;
    return;
  }
  // A floating value that is no number is reported at every resize until a valid one is set.
  RunGuarded(services_, [this] { LayoutFloatingFrame(); });
}

bool ShowWindow::FormCanResize(int&, int&) {
  return true;
}

bool ShowWindow::FormClose() {
  // A failed save skips the ones after it and keeps the window open; the next close starts over.
  return RunGuarded(services_, [this] {
    store_.Save();
    const std::string list = ProgramFileName(services_.exePath, ".LST");
    SaveShowList(list, list_.Items());
    if (services_.journal) services_.journal->ListSaved(list, list_.Count());
  });
}

bool ShowWindow::event(QEvent* event) {
  return QWidget::event(event);
}

void ShowWindow::keyPressEvent(QKeyEvent* event) {
  FormKeyDown(VirtualKeyFromQt(*event));
}

void ShowWindow::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  // The rectangles are anchored to the top and the bottom of the client area.
  for (Shape* shape : {frameRectLeft, frameRectRight})
    shape->SetBounds(shape->x(), 0, shape->width(), height());
  eyeCheckCard->setGeometry(rect());
  FormResize();
}

void ShowWindow::closeEvent(QCloseEvent* event) {
  if (!FormClose()) {
    event->ignore();
    return;
  }
  event->accept();
  if (services_.journal) services_.journal->ProgramClosed();
  emit Closed();
}
