#include "ui/show/ShowWindow.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPointer>
#include <QResizeEvent>
#include <QTimer>

#include "ui/controls/Label.h"
#include "ui/controls/Memo.h"
#include "ui/controls/Shape.h"
#include "platform/FileSystem.h"
#include "platform/SystemColours.h"
#include "ui/qt/TextCodec.h"
#include "ui/settings/LanguageFile.h"
#include "ui/settings/SettingsFile.h"
#include "ui/show/EyeCheckCard.h"
#include "ui/show/FloatingValueWindow.h"
#include "core/show/ShowState.h"
#include "core/HandlerGuard.h"
#include "core/show/ShowJournal.h"
#include "core/show/ShowRules.h"
#include "ui/show/VirtualKey.h"
#include "core/showlist/ItemPath.h"
#include "core/showlist/ShowListFile.h"
#include "ui/showlist/ShowListModel.h"
#include "ui/showlist/ShowListWindow.h"

TForm_Main* Form_Main = nullptr;

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

TLabel* MakeInfoLabel(QWidget* parent, int left, int top) {
  auto* label = new TLabel(parent);
  label->setFont(PixelFont("Arial", 21, true));
  SetWhiteOnBlack(label);  // the background stays transparent: no fill
  label->setTextFormat(Qt::PlainText);
  label->setFocusPolicy(Qt::NoFocus);
  label->setAttribute(Qt::WA_TransparentForMouseEvents);
  label->move(left, top);
  label->resize(0, 0);
  return label;
}

TMemo* MakeHelpMemo(QWidget* parent, int left) {
  auto* memo = new TMemo(parent, kDesignHelpLines);
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
  explicit ActivationWatcher(TForm_Main* main) : QObject(main), main_(main) {}
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
  TForm_Main* main_;
};

}  // namespace

TForm_Main::TForm_Main(Services& services) : QWidget(nullptr), services_(services) {
  setWindowTitle(QStringLiteral("Quadrel V" QUADREL_VERSION));
  setAutoFillBackground(true);
  QPalette pal = palette();
  pal.setColor(QPalette::Window, Qt::black);
  setPalette(pal);
  setFont(PixelFont("Tahoma", 11, false));
  setFocusPolicy(Qt::StrongFocus);
  resize(kDesignClientWidth, kDesignClientHeight);

  Shape_RectangleL = new TShape(this, Qt::white, Qt::black);
  Shape_RectangleL->SetBounds(0, 0, 396, 573);
  Shape_RectangleR = new TShape(this, Qt::yellow, Qt::black);
  Shape_RectangleR->SetBounds(396, 0, 396, 573);
  Label_Description_L = MakeInfoLabel(this, 24, 56);
  Label_Number_L = MakeInfoLabel(this, 24, 16);
  Label_Description_R = MakeInfoLabel(this, 456, 56);
  Label_Number_R = MakeInfoLabel(this, 456, 16);
  Shape_Line_R = new TShape(this, Qt::yellow, Qt::yellow);
  Shape_Line_R->SetBounds(396, 0, 65, 65);
  Shape_Line_L = new TShape(this, Qt::white, Qt::white);
  Shape_Line_L->SetBounds(0, 0, 65, 65);
  Shape_Marker =
      new TShape(this, Qt::black, Rgb(platform::SystemColourRgb(platform::SystemColour::HotLight)));
  Shape_Marker->SetBounds(0, 0, 16, 16);
  Memo_Help_L = MakeHelpMemo(this, 24);
  Memo_Help_R = MakeHelpMemo(this, 456);
  Card_EyeCheck = new EyeCheckCard(this);
  Card_EyeCheck->setGeometry(rect());
  Card_EyeCheck->lower();
  Card_EyeCheck->hide();

  Timer1 = new QTimer(this);
  Timer1->setInterval(1500);
  Timer1->setSingleShot(false);
  connect(Timer1, &QTimer::timeout, this, &TForm_Main::Timer1Timer);

  auto* watcher = new ActivationWatcher(this);
  watcher->onMainActivated = [this](QWidget* previous) {
    if (ShowState.FirstActivation) {
      FormActivate();
    } else if (previous && previous == Form1) {
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

void TForm_Main::FormCreate() {
  ShowState.FirstActivation = true;
  ShowState.PointerVisible = true;
}

void TForm_Main::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  // Without a window manager no activation may ever come; the first showing still counts.
  if (ShowState.FirstActivation) {
    QTimer::singleShot(0, this, [this] {
      if (ShowState.FirstActivation) FormActivate();
    });
  }
}

void TForm_Main::FormActivate() {
  RunGuarded(services_, [this] {
    if (ShowState.FirstActivation) FirstActivationSteps();
    for (TShape* shape : FrameShapes()) shape->setVisible(false);
    RefreshInfoDisplay();
  });
  if (layoutPending_ && !ShowState.FirstActivation) {
    layoutPending_ = false;
    FormResize();
  }
}

void TForm_Main::ActivateFromFloating() {
  floatingHandOverDone_ = true;
  activateWindow();
  FormActivate();
}

void TForm_Main::FirstActivationSteps() {
  ShowState.FirstActivation = false;
  if (services_.journal) services_.journal->WindowOpened();
  ShowState.ShowIndex = 0;
  ShowState.Maximised = false;
  LoadSettings();
  LoadLanguage();
  ShowState.ContinuousMode = Form_Setup->CheckBox_continuous->isChecked();
  ShowState.LoopAll = Form_Setup->CheckBox_Loop->isChecked();
  LoadAutomaticList();
  ShowState.CursorDisplayCount = 0;
  move(0, 0);
}

void TForm_Main::LoadAutomaticList() {
  const std::string file = ProgramFileName(services_.exePath, ".LST");
  if (!platform::IsRegularFile(file)) return;
  Form_Setup->Items().Assign(LoadShowList(file));
  if (services_.journal) services_.journal->ListLoaded(file, Form_Setup->Items().Count());
}

int TForm_Main::Count() const {
  return Form_Setup ? Form_Setup->Items().Count() : 0;
}

std::vector<TShape*> TForm_Main::FrameShapes() const {
  return {Shape_RectangleL, Shape_Line_L, Shape_RectangleR, Shape_Line_R};
}

void TForm_Main::RefreshInfoDisplay() {
  TLabel* labels[] = {Label_Number_L, Label_Description_L, Label_Number_R, Label_Description_R};
  QString texts[4];
  if (ShowState.InfoVisible) {
    const int count = Count();
    if (ShowState.ShowIndex >= 0 && ShowState.ShowIndex < count) {
      texts[0] = QString::number(ShowState.ShowIndex + 1);
      texts[1] = FromBytes(Form_Setup->Items().Item(ShowState.ShowIndex));
      if (!ShowState.MonoInfo) {
        texts[2] = texts[0];
        texts[3] = texts[1];
      }
    } else {
      texts[0] = QStringLiteral("END");
      if (!ShowState.MonoInfo) texts[2] = QStringLiteral("END");
    }
  }
  for (int i = 0; i < 4; ++i) {
    labels[i]->setText(texts[i]);
    labels[i]->adjustSize();
    if (texts[i].isEmpty()) labels[i]->resize(0, 0);
  }
  Memo_Help_L->setVisible(ShowState.HelpVisible);
  Memo_Help_R->setVisible(ShowState.HelpVisible && !ShowState.MonoInfo);
}

int TForm_Main::OuterWidth() const {
  return frameGeometry().width();
}
int TForm_Main::OuterHeight() const {
  return frameGeometry().height();
}

void TForm_Main::ApplyWindowMode() {
  if (ShowState.Maximised) {
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

void TForm_Main::SetOuterSize(int outerWidth, int outerHeight) {
  const int frameWidth = frameGeometry().width() - width();
  const int frameHeight = frameGeometry().height() - height();
  resize(outerWidth - frameWidth, outerHeight - frameHeight);
}

void TForm_Main::ShowPointer() {
  if (ShowState.CursorDisplayCount >= 0) return;
  ShowState.PointerVisible = true;
  for (int calls = 0; calls < kMaxPointerCalls && ShowState.CursorDisplayCount < 0; ++calls)
    ShowState.CursorDisplayCount = services_.pointer->ShowCursor(true);
}

void TForm_Main::HidePointer() {
  if (ShowState.CursorDisplayCount < 0) return;
  ShowState.PointerVisible = false;
  for (int calls = 0; calls < kMaxPointerCalls && ShowState.CursorDisplayCount >= 0; ++calls)
    ShowState.CursorDisplayCount = services_.pointer->ShowCursor(false);
}

void TForm_Main::UpdateCornerMarker() {
  switch (CornerMarkerColour(ShowState.ShowIndex, Count())) {
    case MarkerColour::HotLight:
      Shape_Marker->SetBrushColour(
          Rgb(platform::SystemColourRgb(platform::SystemColour::HotLight)));
      break;
    case MarkerColour::GrayText:
      Shape_Marker->SetBrushColour(
          Rgb(platform::SystemColourRgb(platform::SystemColour::GrayText)));
      break;
    case MarkerColour::Purple:
      Shape_Marker->SetBrushColour(QColor(0x80, 0x00, 0x80));
      break;
  }
}

void TForm_Main::ToggleEyeCheckCard() {
  if (Card_EyeCheck->isHidden()) {
    Card_EyeCheck->setGeometry(rect());
    Card_EyeCheck->show();
    // The frame's rectangles are filled black over the window's own black; while the card is
    // under them, only their outlines may show.
    for (TShape* shape : {Shape_RectangleL, Shape_RectangleR})
      shape->SetBrushColour(Qt::transparent);
  } else {
    HideEyeCheckCard();
  }
}

void TForm_Main::HideEyeCheckCard() {
  if (Card_EyeCheck->isHidden()) return;
  Card_EyeCheck->hide();
  for (TShape* shape : {Shape_RectangleL, Shape_RectangleR}) shape->SetBrushColour(Qt::black);
}

void TForm_Main::FormResize() {
  // The floating value is read at the first activation; until then the layout waits.
  if (ShowState.FirstActivation) {
    layoutPending_ = true;
    return;
  }
  // A floating value that is no number is reported at every resize until a valid one is set.
  RunGuarded(services_, [this] { LayoutFloatingFrame(); });
}

bool TForm_Main::FormCanResize(int&, int&) {
  return true;
}

bool TForm_Main::FormClose() {
  // A failed save skips the ones after it and keeps the window open; the next close starts over.
  return RunGuarded(services_, [this] {
    SaveSettings();
    SaveLanguage();
    const std::string list = ProgramFileName(services_.exePath, ".LST");
    SaveShowList(list, Form_Setup->Items().Items());
    if (services_.journal) services_.journal->ListSaved(list, Form_Setup->Items().Count());
  });
}

bool TForm_Main::event(QEvent* event) {
  return QWidget::event(event);
}

void TForm_Main::keyPressEvent(QKeyEvent* event) {
  FormKeyDown(VirtualKeyFromQt(*event));
}

void TForm_Main::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  // The rectangles are anchored to the top and the bottom of the client area.
  for (TShape* shape : {Shape_RectangleL, Shape_RectangleR})
    shape->SetBounds(shape->x(), 0, shape->width(), height());
  Card_EyeCheck->setGeometry(rect());
  FormResize();
}

void TForm_Main::closeEvent(QCloseEvent* event) {
  if (!FormClose()) {
    event->ignore();
    return;
  }
  event->accept();
  if (services_.journal) services_.journal->ProgramClosed();
  emit Closed();
}
