#include <QCheckBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <filesystem>

#include "UiFixture.h"
#include "core/show/ShowState.h"
#include "platform/SystemColours.h"
#include "ui/controls/Label.h"
#include "ui/controls/Memo.h"
#include "ui/controls/Shape.h"
#include "ui/show/FloatingValueWindow.h"
#include "ui/show/ShowWindow.h"
#include "ui/show/VirtualKey.h"
#include "ui/showlist/ShowListModel.h"
#include "ui/showlist/ShowListWindow.h"

namespace {

QColor Colour(platform::SystemColour role) {
  return QColor::fromRgb(platform::SystemColourRgb(role));
}
const QColor kPurple(0x80, 0x00, 0x80);

class Keys : public UiFixture {
 protected:
  Keys() {
    Activate();
    SetItems(3);
    Form_Main->RefreshInfoDisplay();
  }
  void SetItems(int count) {
    std::vector<std::string> items;
    for (int i = 0; i < count; ++i) items.push_back("clip" + std::to_string(i) + ".avi");
    Form_Setup->Items().Assign(items);
  }
  void Key(int key) { Form_Main->FormKeyDown(key); }
  // A key as the keyboard sends it, with its modifiers.
  void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier, bool repeat = false) {
    QKeyEvent event(QEvent::KeyPress, key, modifiers, QString(), repeat);
    QCoreApplication::sendEvent(Form_Main, &event);
  }
  QString Number() const { return Form_Main->numberLabelLeft->text(); }
  QColor Marker() const { return Form_Main->cornerMarker->BrushColour(); }
};

}  // namespace

TEST_F(Keys, TogglesOfTheKeyTable) {
  Key('H');
  EXPECT_FALSE(ShowState.HelpVisible);
  EXPECT_TRUE(Form_Main->helpLeft->isHidden());
  Key('H');
  EXPECT_TRUE(ShowState.HelpVisible);
  EXPECT_FALSE(Form_Main->helpLeft->isHidden());

  Key('C');
  EXPECT_TRUE(Form_Main->cornerMarker->isHidden());
  Key('C');
  EXPECT_FALSE(Form_Main->cornerMarker->isHidden());

  Key('I');
  EXPECT_FALSE(ShowState.InfoVisible);
  EXPECT_EQ(Number(), "");
  Key('I');
  EXPECT_EQ(Number(), "1");

  Key('S');
  EXPECT_FALSE(ShowState.MonoInfo);
  EXPECT_EQ(Form_Main->numberLabelRight->text(), "1");
  EXPECT_EQ(Form_Main->descriptionLabelRight->text(), "clip0.avi");
  Key('S');
  EXPECT_EQ(Form_Main->numberLabelRight->text(), "");

  // F flips each frame shape on its own.
  Form_Main->frameLineLeft->setVisible(true);
  Key('F');
  const auto shapes = Form_Main->FrameShapes();
  EXPECT_FALSE(shapes[0]->isHidden());
  EXPECT_TRUE(shapes[1]->isHidden());
  EXPECT_FALSE(shapes[2]->isHidden());
  EXPECT_FALSE(shapes[3]->isHidden());
  Key('F');
  for (Shape* shape : shapes) EXPECT_EQ(shape->isHidden(), shape != Form_Main->frameLineLeft);
}

TEST_F(Keys, PointerWindowModeAndFloatingValueWindow) {
  Key('P');
  EXPECT_FALSE(ShowState.PointerVisible);
  EXPECT_EQ(pointer.value, -1);
  Key('P');
  EXPECT_TRUE(ShowState.PointerVisible);
  EXPECT_EQ(pointer.value, 0);

  Key('M');
  EXPECT_TRUE(ShowState.Maximised);
  EXPECT_FALSE(ShowState.PointerVisible);
  Key('M');
  EXPECT_FALSE(ShowState.Maximised);
  EXPECT_TRUE(ShowState.PointerVisible);

  ShowState.FloatingValueText = "12.5";
  Form1->valueEdit->setText("99");
  Key('V');
  EXPECT_EQ(Form1->valueEdit->text(), "12.5");
  EXPECT_TRUE(Form1->isVisible());
  Form1->valueEdit->setText("unconfirmed");
  Key('V');
  EXPECT_EQ(Form1->valueEdit->text(), "12.5");  // a value not confirmed is lost
  EXPECT_FALSE(Form1->isVisible());
}

TEST_F(Keys, SteppingWithoutLoopAll) {
  EXPECT_EQ(Number(), "1");
  Key('6');
  EXPECT_EQ(ShowState.ShowIndex, 1);
  EXPECT_EQ(Marker(), Colour(platform::SystemColour::GrayText));
  Key(VK_RIGHT_KEY);
  EXPECT_EQ(Number(), "3");
  EXPECT_EQ(Form_Main->descriptionLabelLeft->text(), "clip2.avi");
  Key('6');  // the last item leads to the end-of-show position
  EXPECT_EQ(ShowState.ShowIndex, 3);
  EXPECT_EQ(Number(), "END");
  EXPECT_EQ(Form_Main->descriptionLabelLeft->text(), "");
  EXPECT_EQ(Marker(), kPurple);
  Key('6');  // and stays there
  EXPECT_EQ(ShowState.ShowIndex, 3);
  Key('4');
  EXPECT_EQ(ShowState.ShowIndex, 2);
  Key('1');
  EXPECT_EQ(ShowState.ShowIndex, 0);
  EXPECT_EQ(Marker(), Colour(platform::SystemColour::HotLight));
  Key(VK_LEFT_KEY);  // the first item stays
  EXPECT_EQ(ShowState.ShowIndex, 0);
  Key('0');
  EXPECT_EQ(ShowState.ShowIndex, 3);
  EXPECT_EQ(Number(), "END");
}

TEST_F(Keys, SteppingWithLoopAll) {
  ShowState.LoopAll = true;
  Key('0');  // the first item, not the end-of-show position
  EXPECT_EQ(ShowState.ShowIndex, 0);
  EXPECT_EQ(Number(), "1");
  Key('4');  // no wrap from the start to the end
  EXPECT_EQ(ShowState.ShowIndex, 0);
  Key('6');
  Key('6');
  Key('6');  // past the last item: the first
  EXPECT_EQ(ShowState.ShowIndex, 0);
  EXPECT_EQ(Number(), "1");
  EXPECT_EQ(Marker(), Colour(platform::SystemColour::HotLight));
}

TEST_F(Keys, EmptyListKeepsThePositionAtZero) {
  SetItems(0);
  for (bool loop : {false, true}) {
    ShowState.LoopAll = loop;
    for (int key :
         std::initializer_list<int>{'6', VK_RIGHT_KEY, '4', '0', '1', VK_SPACE_KEY, 'Q'}) {
      Key(key);
      EXPECT_EQ(ShowState.ShowIndex, 0) << key;
      EXPECT_EQ(Number(), "END");
      EXPECT_EQ(Marker(), Colour(platform::SystemColour::HotLight));
    }
  }
  EXPECT_TRUE(shell.launches.empty());
}

TEST_F(Keys, KeysWithoutCommandRunTheCommonSteps) {
  ShowState.ShowIndex = 7;  // as after items were removed elsewhere
  Form_Main->numberLabelLeft->setText("stale");
  Key(112);  // F1
  EXPECT_EQ(ShowState.ShowIndex, 3);
  EXPECT_EQ(Number(), "END");
  EXPECT_EQ(Marker(), kPurple);
  ShowState.ShowIndex = -2;
  Key(0);
  EXPECT_EQ(ShowState.ShowIndex, 0);
  EXPECT_EQ(Number(), "1");
  Key(16);  // Shift alone
  EXPECT_EQ(ShowState.ShowIndex, 0);
  EXPECT_TRUE(ShowState.HelpVisible);
}

TEST_F(Keys, ModifiersAreIgnoredAndRepeatsRepeat) {
  Press(Qt::Key_H, Qt::ShiftModifier);
  EXPECT_FALSE(ShowState.HelpVisible);
  Press(Qt::Key_6, Qt::ControlModifier);
  EXPECT_EQ(ShowState.ShowIndex, 1);
  Press(Qt::Key_4, Qt::AltModifier);
  EXPECT_EQ(ShowState.ShowIndex, 0);
  Press(Qt::Key_Right);
  Press(Qt::Key_Right, Qt::NoModifier, true);
  EXPECT_EQ(ShowState.ShowIndex, 2);
}

TEST_F(Keys, ShowListWindowModallyAtTheCorner) {
  ShowState.LoopAll = false;
  Key('6');
  Key('6');
  Key('P');  // pointer hidden: L shows it
  Form_Setup->move(300, 200);
  bool checked = false;
  QTimer::singleShot(0, Form_Setup, [&] {
    checked = true;
    EXPECT_TRUE(Form_Setup->isModal() || Form_Setup->isVisible());
    EXPECT_EQ(Form_Setup->pos(), QPoint(0, 0));
    EXPECT_EQ(Number(), "");  // the show window's labels are empty meanwhile
    EXPECT_TRUE(ShowState.PointerVisible);
    Form_Setup->Items().Assign({"only.avi"});  // items removed meanwhile
    Form_Setup->reject();
  });
  Key('L');
  EXPECT_TRUE(checked);
  EXPECT_EQ(ShowState.ShowIndex, 1);  // brought back to the end-of-show position
  EXPECT_EQ(Number(), "END");

  ShowState.LoopAll = true;
  SetItems(5);
  ShowState.ShowIndex = 4;
  QTimer::singleShot(0, Form_Setup, [&] {
    SetItems(2);
    Form_Setup->reject();
  });
  Key('L');
  EXPECT_EQ(ShowState.ShowIndex, 0);  // or the first item with Loop All
  EXPECT_EQ(Number(), "1");
}

TEST_F(Keys, EscapeRefreshesThenClosesAndWritesTheFiles) {
  Form_Main->show();
  Key('6');
  const std::string list = ProgramFile(".LST");
  EXPECT_FALSE(std::filesystem::exists(list));
  Key(VK_ESCAPE_KEY);
  EXPECT_FALSE(Form_Main->isVisible());
  EXPECT_TRUE(std::filesystem::exists(list));
  EXPECT_EQ(Number(), "2");
  EXPECT_EQ(Marker(), Colour(platform::SystemColour::GrayText));  // the steps after the close ran

  Form_Main->show();
  std::filesystem::remove(list);
  Key('X');
  EXPECT_FALSE(Form_Main->isVisible());
  EXPECT_TRUE(std::filesystem::exists(list));
}

TEST_F(Keys, StopWhenNoShowRunsChangesNothing) {
  Key('6');
  Key('A');
  EXPECT_FALSE(Form_Main->pauseTimer->isActive());
  EXPECT_EQ(Form_Main->pauseTimer->interval(), 1500);
  EXPECT_EQ(ShowState.ShowIndex, 1);
  EXPECT_EQ(Number(), "2");
}
