#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

#include "UiFixture.h"
#include "core/show/ShowState.h"
#include "ui/controls/Label.h"
#include "ui/controls/Memo.h"
#include "ui/controls/Shape.h"
#include "ui/show/FloatingValueWindow.h"
#include "ui/show/ShowWindow.h"

namespace {

class FloatingWindow : public UiFixture {
 protected:
  // The show window at a known outer size, after its first activation.
  void Start(int width, int height) {
    Form_Main->show();  // a hidden window gets its resize events only when shown
    Activate();
    SetOuterSize(width, height);
  }

  // The layout works on the outer size, border and title bar included.
  static void SetOuterSize(int width, int height) {
    const QSize border = Form_Main->frameGeometry().size() - Form_Main->size();
    Form_Main->resize(width - border.width(), height - border.height());
    ASSERT_EQ(Form_Main->OuterWidth(), width);
    ASSERT_EQ(Form_Main->OuterHeight(), height);
  }

  // Types `text` into the edit field and presses `key` there, as the operator does.
  void Confirm(const std::string& text, Qt::Key key = Qt::Key_Return) {
    Form1->show();
    Form1->valueEdit->setText(QString::fromStdString(text));
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(Form1->valueEdit, &press);
  }

  static std::vector<bool> FrameVisibility() {
    std::vector<bool> visible;
    for (Shape* shape : Form_Main->FrameShapes()) visible.push_back(shape->isVisibleTo(Form_Main));
    return visible;
  }

  const std::vector<bool> shown{true, true, true, true};
  const std::vector<bool> hidden{false, false, false, false};
};

}  // namespace

TEST_F(FloatingWindow, Design) {
  EXPECT_EQ(Form1->windowTitle(), "Floating window");
  EXPECT_EQ(Form1->size(), QSize(203, 82));
  EXPECT_EQ(Form1->pos(), QPoint(0, 0));
  EXPECT_FALSE(Form1->isVisible());
  EXPECT_EQ(Form1->captionLabel->text(), "Float in %");
  EXPECT_EQ(Form1->valueEdit->text(), "0");
  EXPECT_EQ(Form1->valueEdit->font().family(), "Tahoma");
  EXPECT_EQ(Form1->valueEdit->font().pixelSize(), 16);
  EXPECT_EQ(Form1->captionLabel->font().pixelSize(), 16);
  EXPECT_TRUE(Form1->valueEdit->geometry().left() >= Form1->captionLabel->geometry().right());
}

TEST_F(FloatingWindow, FirstLayoutWaitsForTheFirstActivation) {
  // Before the settings are read the value is empty: a resize then must not report it.
  Form_Main->show();
  SetOuterSize(1000, 600);
  EXPECT_TRUE(messages.errors.empty());
  Activate();
  EXPECT_TRUE(messages.errors.empty());
  EXPECT_EQ(ShowState.FloatingValueText, "0");
  EXPECT_EQ(Form_Main->frameLineLeft->geometry(), QRect(499, 0, 1, 600));
  EXPECT_EQ(Form_Main->frameLineRight->geometry(), QRect(500, 0, 1, 600));
  EXPECT_EQ(Form_Main->frameRectRight->geometry(), QRect(500, 0, 500, Form_Main->height()));
  EXPECT_EQ(FrameVisibility(), hidden);
  int w = 1, h = 2;
  EXPECT_TRUE(Form_Main->FormCanResize(w, h));
  EXPECT_EQ(QSize(w, h), QSize(1, 2));
}

TEST_F(FloatingWindow, EnterLaysOutAndShowsTheFrame) {
  Start(1000, 600);
  Confirm("5");
  EXPECT_TRUE(messages.errors.empty());
  EXPECT_FALSE(Form1->isVisible());
  EXPECT_EQ(ShowState.FloatingValueText, "5");
  EXPECT_EQ(ShowState.FloatingPercent, 5.0);
  // 50 tenths of 1000 pixels: a strip of 25 at the inner edges.
  const int clientHeight = Form_Main->height();
  EXPECT_EQ(Form_Main->frameRectLeft->geometry(), QRect(0, 0, 475, clientHeight));
  EXPECT_EQ(Form_Main->frameLineLeft->geometry(), QRect(499, 0, 1, 600));
  EXPECT_EQ(Form_Main->frameRectRight->geometry(), QRect(525, 0, 475, clientHeight));
  EXPECT_EQ(Form_Main->frameLineRight->geometry(), QRect(500, 0, 1, 600));
  EXPECT_EQ(FrameVisibility(), shown);
  EXPECT_EQ(Form_Main->numberLabelRight->x(), Form_Main->numberLabelLeft->x() + 500);
  EXPECT_EQ(Form_Main->descriptionLabelRight->x(), Form_Main->descriptionLabelLeft->x() + 500);
  EXPECT_EQ(Form_Main->helpRight->x(), Form_Main->helpLeft->x() + 500);
  EXPECT_EQ(Form_Main->helpRight->y(), Form_Main->helpLeft->y());

  // The text is taken as typed; the keypad's Enter confirms too; a negative value goes outward.
  Confirm(" -5 ", Qt::Key_Enter);
  EXPECT_EQ(ShowState.FloatingValueText, " -5 ");
  EXPECT_EQ(Form_Main->frameRectLeft->geometry(), QRect(25, 0, 475, clientHeight));
  EXPECT_EQ(Form_Main->frameLineLeft->geometry(), QRect(0, 0, 1, 600));
  EXPECT_EQ(Form_Main->frameRectRight->geometry(), QRect(500, 0, 475, clientHeight));
  EXPECT_EQ(Form_Main->frameLineRight->geometry(), QRect(999, 0, 1, 600));
  EXPECT_EQ(FrameVisibility(), shown);

  // A resize re-lays the frame for the new width and leaves its visibility alone.
  SetOuterSize(800, 500);
  EXPECT_EQ(Form_Main->frameRectLeft->geometry(), QRect(20, 0, 380, Form_Main->height()));
  EXPECT_EQ(Form_Main->frameLineRight->geometry(), QRect(799, 0, 1, 500));
  EXPECT_EQ(Form_Main->numberLabelRight->x(), Form_Main->numberLabelLeft->x() + 400);
  EXPECT_EQ(FrameVisibility(), shown);

  // A strip wider than the half leaves rectangles of no width.
  Confirm("150");
  EXPECT_EQ(Form_Main->frameRectLeft->width(), 0);
  EXPECT_EQ(Form_Main->frameRectRight->width(), 0);
  EXPECT_EQ(Form_Main->frameRectRight->x(), 400 + 600);
}

TEST_F(FloatingWindow, OtherKeysAreEditing) {
  Start(1000, 600);
  Form1->show();
  Form1->valueEdit->setText("7");
  Form1->ValueKeyPress('7');
  EXPECT_TRUE(Form1->isVisible());
  EXPECT_EQ(ShowState.FloatingValueText, "0");
  EXPECT_EQ(FrameVisibility(), hidden);
}

TEST_F(FloatingWindow, UsesTheLocaleSeparator) {
  decimalSeparator = ',';
  Start(1000, 600);
  Confirm("0,5");  // 5 tenths of 1000 pixels: 2.5 goes to the even 2
  EXPECT_TRUE(messages.errors.empty());
  EXPECT_EQ(Form_Main->frameRectRight->x(), 502);
  Confirm("0.5");
  ASSERT_EQ(messages.errors.size(), 1u);
  EXPECT_EQ(messages.errors[0].second, "'0.5' is not a valid floating point value.");
}

TEST_F(FloatingWindow, ValueThatIsNoNumberReportsAndLeavesTheFrameHidden) {
  Start(1000, 600);
  Confirm("5");
  const QRect rectangleR = Form_Main->frameRectRight->geometry();
  const QRect lineL = Form_Main->frameLineLeft->geometry();

  Confirm("abc");
  ASSERT_EQ(messages.errors.size(), 1u);
  EXPECT_EQ(messages.errors[0].second, "'abc' is not a valid floating point value.");
  EXPECT_FALSE(Form1->isVisible());
  EXPECT_EQ(FrameVisibility(), hidden);
  EXPECT_EQ(ShowState.FloatingValueText, "abc");
  EXPECT_EQ(ShowState.FloatingPercent, 5.0);
  EXPECT_EQ(Form_Main->frameRectRight->geometry(), rectangleR);
  EXPECT_EQ(Form_Main->frameLineLeft->geometry(), lineL);

  // Every later resize reports it again; the right-half texts still follow the new width.
  SetOuterSize(800, 600);
  ASSERT_EQ(messages.errors.size(), 2u);
  EXPECT_EQ(messages.errors[1].second, "'abc' is not a valid floating point value.");
  EXPECT_EQ(Form_Main->numberLabelRight->x(), Form_Main->numberLabelLeft->x() + 400);
  EXPECT_EQ(Form_Main->frameLineLeft->geometry(), lineL);
  EXPECT_EQ(FrameVisibility(), hidden);

  // An empty field is no number either; a valid value ends the reports.
  Confirm("");
  ASSERT_EQ(messages.errors.size(), 3u);
  EXPECT_EQ(messages.errors[2].second, "'' is not a valid floating point value.");
  Confirm("1e400");
  ASSERT_EQ(messages.errors.size(), 4u);
  Confirm("0");
  SetOuterSize(900, 600);
  EXPECT_EQ(messages.errors.size(), 4u);
  EXPECT_EQ(FrameVisibility(), shown);
  EXPECT_EQ(Form_Main->frameLineRight->geometry(), QRect(450, 0, 1, 600));
}

TEST_F(FloatingWindow, AnInvalidValueDoesNotSwallowTheNextReturnToTheShowWindow) {
  // The activations the system sends, in the order it sends them.
  auto activated = [](QWidget* window) {
    QEvent event(QEvent::WindowActivate);
    QApplication::sendEvent(window, &event);
  };
  Start(1000, 600);
  activated(Form_Main);
  Confirm("abc");
  ASSERT_EQ(messages.errors.size(), 1u);
  EXPECT_EQ(FrameVisibility(), hidden);
  QWidget errorBox;  // the error report takes the activation, then gives it back
  activated(&errorBox);
  activated(Form_Main);

  Form_Main->FormKeyDown('F');
  ASSERT_EQ(FrameVisibility(), shown);
  Form1->show();
  activated(Form1);
  activated(Form_Main);  // the operator clicks the show window: an activation, which hides
  EXPECT_EQ(FrameVisibility(), hidden);

  // A valid value's own hand-over is still run once, not twice.
  ShowState.FloatingValueText = "0";
  Confirm("5");
  EXPECT_EQ(FrameVisibility(), shown);
  activated(Form_Main);
  EXPECT_EQ(FrameVisibility(), shown);
}
