#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

#include "UiFixture.h"
#include "core/show/ShowState.h"
#include "ui/controls/Label.h"
#include "ui/controls/LinesDisplay.h"
#include "ui/controls/Shape.h"
#include "ui/show/FloatingValueWindow.h"
#include "ui/show/ShowWindow.h"

namespace {

class FloatingWindow : public UiFixture {
 protected:
  // The show window at a known outer size, after its first activation.
  void Start(int width, int height) {
    app->Show().show();  // a hidden window gets its resize events only when shown
    Activate();
    SetOuterSize(width, height);
  }

  // The layout works on the outer size, border and title bar included.
  void SetOuterSize(int width, int height) {
    const QSize border = app->Show().frameGeometry().size() - app->Show().size();
    app->Show().resize(width - border.width(), height - border.height());
    ASSERT_EQ(app->Show().OuterWidth(), width);
    ASSERT_EQ(app->Show().OuterHeight(), height);
  }

  // Types `text` into the edit field and presses `key` there, as the operator does.
  void Confirm(const std::string& text, Qt::Key key = Qt::Key_Return) {
    app->Floating().show();
    app->Floating().valueEdit->setText(QString::fromStdString(text));
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(app->Floating().valueEdit, &press);
  }

  std::vector<bool> FrameVisibility() {
    std::vector<bool> visible;
    for (Shape* shape : ShowControls().FrameShapes())
      visible.push_back(shape->isVisibleTo(&app->Show()));
    return visible;
  }

  const std::vector<bool> shown{true, true, true, true};
  const std::vector<bool> hidden{false, false, false, false};
};

}  // namespace

TEST_F(FloatingWindow, Design) {
  EXPECT_EQ(app->Floating().windowTitle(), "Floating window");
  EXPECT_EQ(app->Floating().size(), QSize(203, 82));
  EXPECT_EQ(app->Floating().pos(), QPoint(0, 0));
  EXPECT_FALSE(app->Floating().isVisible());
  EXPECT_EQ(app->Floating().captionLabel->text(), "Float in %");
  EXPECT_EQ(app->Floating().valueEdit->text(), "0");
  EXPECT_EQ(app->Floating().valueEdit->font().family(), "Tahoma");
  EXPECT_EQ(app->Floating().valueEdit->font().pixelSize(), 16);
  EXPECT_EQ(app->Floating().captionLabel->font().pixelSize(), 16);
  EXPECT_TRUE(app->Floating().valueEdit->geometry().left() >=
              app->Floating().captionLabel->geometry().right());
}

TEST_F(FloatingWindow, FrameIsLaidOutForTheWindowsSize) {
  // A resize before the first activation is laid out after it, without a report.
  app->Show().show();
  SetOuterSize(1000, 600);
  Activate();
  EXPECT_TRUE(messages.errors.empty());
  EXPECT_EQ(ShowControls().frameLineLeft()->geometry(), QRect(499, 0, 1, 600));
  EXPECT_EQ(FrameVisibility(), hidden);

  Confirm("5");
  EXPECT_FALSE(app->Floating().isVisible());
  // 50 tenths of 1000 pixels: a strip of 25 at the inner edges.
  const int clientHeight = app->Show().height();
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
  EXPECT_EQ(ShowControls().frameRectLeft()->geometry(), QRect(20, 0, 380, app->Show().height()));
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
  app->Floating().valueEdit->setText("99");
  app->Show().KeyDown(Key::V);
  EXPECT_EQ(app->Floating().valueEdit->text(), "12.5");
  EXPECT_TRUE(app->Floating().isVisible());
  app->Floating().valueEdit->setText("7");
  app->Floating().ValueKeyPress('7');  // other keys are editing
  EXPECT_TRUE(app->Floating().isVisible());
  EXPECT_EQ(app->State().floatingValueText, "12.5");
  EXPECT_EQ(FrameVisibility(), hidden);
  app->Show().KeyDown(Key::V);
  EXPECT_EQ(app->Floating().valueEdit->text(), "12.5");  // a value not confirmed is lost
  EXPECT_FALSE(app->Floating().isVisible());
}

TEST_F(FloatingWindow, AnInvalidValueDoesNotSwallowTheNextReturnToTheShowWindow) {
  // The activations the system sends, in the order it sends them.
  auto activated = [](QWidget* window) {
    QEvent event(QEvent::WindowActivate);
    QApplication::sendEvent(window, &event);
  };
  Start(1000, 600);
  activated(&app->Show());
  Confirm("abc");
  ASSERT_EQ(messages.errors.size(), 1u);
  EXPECT_EQ(FrameVisibility(), hidden);
  QWidget errorBox;  // the error report takes the activation, then gives it back
  activated(&errorBox);
  activated(&app->Show());

  app->Show().KeyDown(Key::F);
  ASSERT_EQ(FrameVisibility(), shown);
  app->Floating().show();
  activated(&app->Floating());
  activated(&app->Show());  // the operator clicks the show window: an activation, which hides
  EXPECT_EQ(FrameVisibility(), hidden);

  // A valid value's own hand-over is still run once, not twice.
  app->State().floatingValueText = "0";
  Confirm("5");
  EXPECT_EQ(FrameVisibility(), shown);
  activated(&app->Show());
  EXPECT_EQ(FrameVisibility(), shown);
}
