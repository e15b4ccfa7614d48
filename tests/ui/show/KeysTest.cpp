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
#include "ui/show/VirtualKeyFromQt.h"
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
    app->Show().Activate();  // draws the texts for the new list
  }
  void SetItems(int count) {
    std::vector<std::string> items;
    for (int i = 0; i < count; ++i) items.push_back("clip" + std::to_string(i) + ".avi");
    app->ListWindow().Items().Assign(items);
  }
  void Key(int key) { app->Show().KeyDown(key); }
  // A key as the keyboard sends it, with its modifiers.
  void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier, bool repeat = false) {
    QKeyEvent event(QEvent::KeyPress, key, modifiers, QString(), repeat);
    QCoreApplication::sendEvent(&app->Show(), &event);
  }
  QString Number() const { return app->Show().numberLabelLeft->text(); }
  QColor Marker() const { return app->Show().cornerMarker->BrushColour(); }
};

}  // namespace

TEST_F(Keys, TogglesOfTheKeyTable) {
  Key('H');
  EXPECT_FALSE(app->State().helpVisible);
  EXPECT_TRUE(app->Show().helpLeft->isHidden());
  Key('H');
  EXPECT_TRUE(app->State().helpVisible);
  EXPECT_FALSE(app->Show().helpLeft->isHidden());

  Key('C');
  EXPECT_TRUE(app->Show().cornerMarker->isHidden());
  Key('C');
  EXPECT_FALSE(app->Show().cornerMarker->isHidden());

  Key('I');
  EXPECT_FALSE(app->State().infoVisible);
  EXPECT_EQ(Number(), "");
  Key('I');
  EXPECT_EQ(Number(), "1");

  Key('S');
  EXPECT_FALSE(app->State().monoInfo);
  EXPECT_EQ(app->Show().numberLabelRight->text(), "1");
  EXPECT_EQ(app->Show().descriptionLabelRight->text(), "clip0.avi");
  Key('S');
  EXPECT_EQ(app->Show().numberLabelRight->text(), "");

  // F flips each frame shape on its own.
  app->Show().frameLineLeft->setVisible(true);
  Key('F');
  const auto shapes = app->Show().FrameShapes();
  EXPECT_FALSE(shapes[0]->isHidden());
  EXPECT_TRUE(shapes[1]->isHidden());
  EXPECT_FALSE(shapes[2]->isHidden());
  EXPECT_FALSE(shapes[3]->isHidden());
  Key('F');
  for (Shape* shape : shapes) EXPECT_EQ(shape->isHidden(), shape != app->Show().frameLineLeft);
}

TEST_F(Keys, PointerWindowModeAndFloatingValueWindow) {
  Key('P');
  EXPECT_FALSE(app->State().pointerVisible);
  EXPECT_EQ(pointer.value, -1);
  Key('P');
  EXPECT_TRUE(app->State().pointerVisible);
  EXPECT_EQ(pointer.value, 0);

  Key('M');
  EXPECT_TRUE(app->State().maximised);
  EXPECT_FALSE(app->State().pointerVisible);
  Key('M');
  EXPECT_FALSE(app->State().maximised);
  EXPECT_TRUE(app->State().pointerVisible);

  app->State().floatingValueText = "12.5";
  app->Floating().valueEdit->setText("99");
  Key('V');
  EXPECT_EQ(app->Floating().valueEdit->text(), "12.5");
  EXPECT_TRUE(app->Floating().isVisible());
  app->Floating().valueEdit->setText("unconfirmed");
  Key('V');
  EXPECT_EQ(app->Floating().valueEdit->text(), "12.5");  // a value not confirmed is lost
  EXPECT_FALSE(app->Floating().isVisible());
}

TEST_F(Keys, SteppingWithoutLoopAll) {
  EXPECT_EQ(Number(), "1");
  Key('6');
  EXPECT_EQ(app->State().showIndex, 1);
  EXPECT_EQ(Marker(), Colour(platform::SystemColour::GrayText));
  Key(VK_RIGHT_KEY);
  EXPECT_EQ(Number(), "3");
  EXPECT_EQ(app->Show().descriptionLabelLeft->text(), "clip2.avi");
  Key('6');  // the last item leads to the end-of-show position
  EXPECT_EQ(app->State().showIndex, 3);
  EXPECT_EQ(Number(), "END");
  EXPECT_EQ(app->Show().descriptionLabelLeft->text(), "");
  EXPECT_EQ(Marker(), kPurple);
  Key('6');  // and stays there
  EXPECT_EQ(app->State().showIndex, 3);
  Key('4');
  EXPECT_EQ(app->State().showIndex, 2);
  Key('1');
  EXPECT_EQ(app->State().showIndex, 0);
  EXPECT_EQ(Marker(), Colour(platform::SystemColour::HotLight));
  Key(VK_LEFT_KEY);  // the first item stays
  EXPECT_EQ(app->State().showIndex, 0);
  Key('0');
  EXPECT_EQ(app->State().showIndex, 3);
  EXPECT_EQ(Number(), "END");
}

TEST_F(Keys, SteppingWithLoopAll) {
  app->State().loopAll = true;
  Key('0');  // the first item, not the end-of-show position
  EXPECT_EQ(app->State().showIndex, 0);
  EXPECT_EQ(Number(), "1");
  Key('4');  // no wrap from the start to the end
  EXPECT_EQ(app->State().showIndex, 0);
  Key('6');
  Key('6');
  Key('6');  // past the last item: the first
  EXPECT_EQ(app->State().showIndex, 0);
  EXPECT_EQ(Number(), "1");
  EXPECT_EQ(Marker(), Colour(platform::SystemColour::HotLight));
}

TEST_F(Keys, EmptyListKeepsThePositionAtZero) {
  SetItems(0);
  for (bool loop : {false, true}) {
    app->State().loopAll = loop;
    for (int key :
         std::initializer_list<int>{'6', VK_RIGHT_KEY, '4', '0', '1', VK_SPACE_KEY, 'Q'}) {
      Key(key);
      EXPECT_EQ(app->State().showIndex, 0) << key;
      EXPECT_EQ(Number(), "END");
      EXPECT_EQ(Marker(), Colour(platform::SystemColour::HotLight));
    }
  }
  EXPECT_TRUE(shell.launches.empty());
}

TEST_F(Keys, KeysWithoutCommandRunTheCommonSteps) {
  app->State().showIndex = 7;  // as after items were removed elsewhere
  app->Show().numberLabelLeft->setText("stale");
  Key(112);  // F1
  EXPECT_EQ(app->State().showIndex, 3);
  EXPECT_EQ(Number(), "END");
  EXPECT_EQ(Marker(), kPurple);
  app->State().showIndex = -2;
  Key(0);
  EXPECT_EQ(app->State().showIndex, 0);
  EXPECT_EQ(Number(), "1");
  Key(16);  // Shift alone
  EXPECT_EQ(app->State().showIndex, 0);
  EXPECT_TRUE(app->State().helpVisible);
}

TEST_F(Keys, ModifiersAreIgnoredAndRepeatsRepeat) {
  Press(Qt::Key_H, Qt::ShiftModifier);
  EXPECT_FALSE(app->State().helpVisible);
  Press(Qt::Key_6, Qt::ControlModifier);
  EXPECT_EQ(app->State().showIndex, 1);
  Press(Qt::Key_4, Qt::AltModifier);
  EXPECT_EQ(app->State().showIndex, 0);
  Press(Qt::Key_Right);
  Press(Qt::Key_Right, Qt::NoModifier, true);
  EXPECT_EQ(app->State().showIndex, 2);
}

TEST_F(Keys, ShowListWindowModallyAtTheCorner) {
  app->State().loopAll = false;
  Key('6');
  Key('6');
  Key('P');  // pointer hidden: L shows it
  app->ListWindow().move(300, 200);
  bool checked = false;
  QTimer::singleShot(0, &app->ListWindow(), [&] {
    checked = true;
    EXPECT_TRUE(app->ListWindow().isModal() || app->ListWindow().isVisible());
    EXPECT_EQ(app->ListWindow().pos(), QPoint(0, 0));
    EXPECT_EQ(Number(), "");  // the show window's labels are empty meanwhile
    EXPECT_TRUE(app->State().pointerVisible);
    app->ListWindow().Items().Assign({"only.avi"});  // items removed meanwhile
    app->ListWindow().reject();
  });
  Key('L');
  EXPECT_TRUE(checked);
  EXPECT_EQ(app->State().showIndex, 1);  // brought back to the end-of-show position
  EXPECT_EQ(Number(), "END");

  app->State().loopAll = true;
  SetItems(5);
  app->State().showIndex = 4;
  QTimer::singleShot(0, &app->ListWindow(), [&] {
    SetItems(2);
    app->ListWindow().reject();
  });
  Key('L');
  EXPECT_EQ(app->State().showIndex, 0);  // or the first item with Loop All
  EXPECT_EQ(Number(), "1");
}

TEST_F(Keys, EscapeRefreshesThenClosesAndWritesTheFiles) {
  app->Show().show();
  Key('6');
  const std::string list = ProgramFile(".LST");
  EXPECT_FALSE(std::filesystem::exists(list));
  Key(VK_ESCAPE_KEY);
  EXPECT_FALSE(app->Show().isVisible());
  EXPECT_TRUE(std::filesystem::exists(list));
  EXPECT_EQ(Number(), "2");
  EXPECT_EQ(Marker(), Colour(platform::SystemColour::GrayText));  // the steps after the close ran

  app->Show().show();
  std::filesystem::remove(list);
  Key('X');
  EXPECT_FALSE(app->Show().isVisible());
  EXPECT_TRUE(std::filesystem::exists(list));
}

TEST_F(Keys, StopWhenNoShowRunsChangesNothing) {
  Key('6');
  Key('A');
  EXPECT_FALSE(app->Show().pauseTimer->isActive());
  EXPECT_EQ(app->Show().pauseTimer->interval(), 1500);
  EXPECT_EQ(app->State().showIndex, 1);
  EXPECT_EQ(Number(), "2");
}
