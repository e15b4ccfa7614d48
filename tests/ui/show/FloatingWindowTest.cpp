#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

#include "FloatingWindowTestAccess.h"
#include "UiFixture.h"
#include "core/show/ShowState.h"
#include "ui/controls/Label.h"
#include "ui/controls/LinesDisplay.h"
#include "ui/controls/Shape.h"
#include "ui/players/BinoSettingsWindow.h"
#include "ui/show/FloatingValueWindow.h"
#include "ui/show/ShowWindow.h"
#include "ui/showlist/ShowListWindow.h"

namespace {

class FloatingWindow : public UiFixture {
 protected:
  // The show window at a known outer size, after its first activation.
  void Start(int width, int height) {
    app->ShowWindow().show();  // a hidden window gets its resize events only when shown
    Activate();
    SetOuterSize(width, height);
  }

  // The layout works on the outer size, border and title bar included.
  void SetOuterSize(int width, int height) {
    const QSize border = app->ShowWindow().frameGeometry().size() - app->ShowWindow().size();
    app->ShowWindow().resize(width - border.width(), height - border.height());
    ASSERT_EQ(app->ShowWindow().OuterWidth(), width);
    ASSERT_EQ(app->ShowWindow().OuterHeight(), height);
  }

  // Types `text` into the edit field and presses `key` there, as the operator does.
  void Confirm(const std::string& text, Qt::Key key = Qt::Key_Return) {
    app->FloatingWindow().show();
    FloatingControls(app->FloatingWindow()).valueEdit->setText(QString::fromStdString(text));
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(FloatingControls(app->FloatingWindow()).valueEdit, &press);
  }

  std::vector<bool> FrameVisibility() {
    std::vector<bool> visible;
    for (Shape* shape : ShowControls().FrameShapes())
      visible.push_back(shape->isVisibleTo(&app->ShowWindow()));
    return visible;
  }

  const std::vector<bool> shown{true, true, true, true};
  const std::vector<bool> hidden{false, false, false, false};
};

}  // namespace

TEST_F(FloatingWindow, Design) {
  EXPECT_EQ(app->FloatingWindow().windowTitle(), "Floating window");
  EXPECT_EQ(app->FloatingWindow().size(), QSize(203, 82));
  EXPECT_EQ(app->FloatingWindow().pos(), QPoint(0, 0));
  EXPECT_FALSE(app->FloatingWindow().isVisible());
  EXPECT_EQ(FloatingControls(app->FloatingWindow()).captionLabel->text(), "Float in %");
  EXPECT_EQ(FloatingControls(app->FloatingWindow()).valueEdit->text(), "0");
  EXPECT_EQ(FloatingControls(app->FloatingWindow()).valueEdit->font().family(), "Tahoma");
  EXPECT_EQ(FloatingControls(app->FloatingWindow()).valueEdit->font().pixelSize(), 16);
  EXPECT_EQ(FloatingControls(app->FloatingWindow()).captionLabel->font().pixelSize(), 16);
  EXPECT_TRUE(FloatingControls(app->FloatingWindow()).valueEdit->geometry().left() >=
              FloatingControls(app->FloatingWindow()).captionLabel->geometry().right());
}

TEST_F(FloatingWindow, FrameIsLaidOutForTheWindowsSize) {
  // A resize before the first activation is laid out after it, without a report.
  app->ShowWindow().show();
  SetOuterSize(1000, 600);
  Activate();
  EXPECT_TRUE(messages.errors.empty());
  EXPECT_EQ(ShowControls().frameLineLeft()->geometry(), QRect(499, 0, 1, 600));
  EXPECT_EQ(FrameVisibility(), hidden);

  Confirm("5");
  EXPECT_FALSE(app->FloatingWindow().isVisible());
  // 50 tenths of 1000 pixels: a strip of 25 at the inner edges.
  const int clientHeight = app->ShowWindow().height();
  EXPECT_EQ(ShowControls().frameRectLeft()->geometry(), QRect(0, 0, 475, clientHeight));
  EXPECT_EQ(ShowControls().frameLineLeft()->geometry(), QRect(499, 0, 1, 600));
  EXPECT_EQ(ShowControls().frameRectRight()->geometry(), QRect(525, 0, 475, clientHeight));
  EXPECT_EQ(ShowControls().frameLineRight()->geometry(), QRect(500, 0, 1, 600));
  EXPECT_EQ(FrameVisibility(), shown);
  EXPECT_EQ(ShowControls().numberLabelRight()->x(), ShowControls().numberLabelLeft()->x() + 500);
  EXPECT_EQ(ShowControls().descriptionLabelRight()->x(),
            ShowControls().descriptionLabelLeft()->x() + 500);
  EXPECT_EQ(ShowControls().helpRight()->x(), ShowControls().helpLeft()->x() + 500);
  EXPECT_EQ(ShowControls().helpRight()->y(), ShowControls().helpLeft()->y());

  // The keypad's Enter confirms too; a resize re-lays the frame and leaves it shown.
  Confirm(" -5 ", Qt::Key_Enter);
  SetOuterSize(800, 500);
  EXPECT_EQ(ShowControls().frameRectLeft()->geometry(),
            QRect(20, 0, 380, app->ShowWindow().height()));
  EXPECT_EQ(ShowControls().frameLineRight()->geometry(), QRect(799, 0, 1, 500));
  EXPECT_EQ(ShowControls().numberLabelRight()->x(), ShowControls().numberLabelLeft()->x() + 400);
  EXPECT_EQ(FrameVisibility(), shown);

  // A value that is no number is reported and leaves the frame hidden.
  Confirm("abc");
  ASSERT_EQ(messages.errors.size(), 1u);
  EXPECT_EQ(messages.errors[0].second, "'abc' is not a valid floating point value.");
  EXPECT_EQ(FrameVisibility(), hidden);
}

TEST_F(FloatingWindow, VShowsTheStoredValueOnlyEnterTakesAValueAndVHidesIt) {
  Start(1000, 600);
  app->State().floatingValueText = "12.5";
  FloatingControls(app->FloatingWindow()).valueEdit->setText("99");
  app->ShowWindow().KeyDown(Key::V);
  EXPECT_EQ(FloatingControls(app->FloatingWindow()).valueEdit->text(), "12.5");
  EXPECT_TRUE(app->FloatingWindow().isVisible());
  FloatingControls(app->FloatingWindow()).valueEdit->setText("7");
  QKeyEvent seven(QEvent::KeyPress, Qt::Key_7, Qt::NoModifier, QStringLiteral("7"));
  QApplication::sendEvent(FloatingControls(app->FloatingWindow()).valueEdit, &seven);  // editing
  EXPECT_TRUE(app->FloatingWindow().isVisible());
  EXPECT_EQ(app->State().floatingValueText, "12.5");
  EXPECT_EQ(FrameVisibility(), hidden);
  app->ShowWindow().KeyDown(Key::V);
  EXPECT_EQ(FloatingControls(app->FloatingWindow()).valueEdit->text(),
            "12.5");  // a value not confirmed is lost
  EXPECT_FALSE(app->FloatingWindow().isVisible());
}

TEST_F(FloatingWindow, AnInvalidValueDoesNotSwallowTheNextReturnToTheShowWindow) {
  // The activations the system sends, in the order it sends them.
  auto activated = [](QWidget* window) {
    QEvent event(QEvent::WindowActivate);
    QApplication::sendEvent(window, &event);
  };
  Start(1000, 600);
  activated(&app->ShowWindow());
  Confirm("abc");
  ASSERT_EQ(messages.errors.size(), 1u);
  EXPECT_EQ(FrameVisibility(), hidden);
  QWidget errorBox;  // the error report takes the activation, then gives it back
  activated(&errorBox);
  activated(&app->ShowWindow());

  app->ShowWindow().KeyDown(Key::F);
  ASSERT_EQ(FrameVisibility(), shown);
  app->FloatingWindow().show();
  activated(&app->FloatingWindow());
  activated(&app->ShowWindow());  // the operator clicks the show window: an activation, which hides
  EXPECT_EQ(FrameVisibility(), hidden);

  // A valid value's own hand-over is still run once, not twice.
  app->State().floatingValueText = "0";
  Confirm("5");
  EXPECT_EQ(FrameVisibility(), shown);
  activated(&app->ShowWindow());
  EXPECT_EQ(FrameVisibility(), shown);
}

// Only the hand-over from the floating value window hides the frame: the show list window (or
// any other window) activated and the show window activated again leave it shown.
TEST_F(FloatingWindow, FrameStaysShownWhenTheShowWindowComesBackFromAnotherWindow) {
  auto activated = [](QWidget* window) {
    QEvent event(QEvent::WindowActivate);
    QApplication::sendEvent(window, &event);
  };
  Start(1000, 600);
  activated(&app->ShowWindow());
  app->ShowWindow().KeyDown(Key::F);
  ASSERT_EQ(FrameVisibility(), shown);
  for (QWidget* other : std::vector<QWidget*>{&app->ListWindow(), &app->BinoWindow()}) {
    activated(other);
    activated(&app->ShowWindow());
    EXPECT_EQ(FrameVisibility(), shown) << other->windowTitle().toStdString();
  }
  QWidget messageBox;
  activated(&messageBox);
  activated(&app->ShowWindow());
  EXPECT_EQ(FrameVisibility(), shown);

  // The floating value window's hand-over is the activation that hides it.
  app->FloatingWindow().show();
  activated(&app->FloatingWindow());
  activated(&app->ShowWindow());
  EXPECT_EQ(FrameVisibility(), hidden);
}
