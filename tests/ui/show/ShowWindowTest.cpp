// The show window itself: its design, what it draws for its controller, the keyboard reaching
// the controller, the modal show list window, and its close.
#include <QCoreApplication>
#include <QKeyEvent>
#include <QTimer>
#include <filesystem>

#include "UiFixture.h"
#include "base/SplitTextLines.h"
#include "core/show/JournalSummary.h"
#include "core/show/Key.h"
#include "core/show/ShowJournal.h"
#include "core/show/ShowState.h"
#include "ui/controls/Label.h"
#include "ui/controls/LinesDisplay.h"
#include "ui/controls/Shape.h"
#include "ui/qt/SystemLook.h"
#include "ui/show/ShowWindow.h"
#include "ui/showlist/ShowListWindow.h"

namespace {

QColor Colour(platform::SystemColour role) {
  return SystemColour(role);
}

class ShowWindowTest : public UiFixture {
 protected:
  void KeyDown(Key key) { app->ShowWindow().KeyDown(key); }
  // A key as the keyboard sends it, with its modifiers.
  void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier, bool repeat = false) {
    QKeyEvent event(QEvent::KeyPress, key, modifiers, QString(), repeat);
    QCoreApplication::sendEvent(&app->ShowWindow(), &event);
  }
  std::string Labels() const {
    const ShowWindowTestAccess controls = ShowControls();
    std::string text;
    for (Label* label : {controls.numberLabelLeft(), controls.descriptionLabelLeft(),
                         controls.numberLabelRight(), controls.descriptionLabelRight()})
      text += "[" + label->text().toStdString() + "]";
    return text;
  }
  QColor Marker() const { return ShowControls().cornerMarker()->BrushColour(); }
};

}  // namespace

TEST_F(ShowWindowTest, Design) {
  ShowWindow& w = app->ShowWindow();
  const ShowWindowTestAccess controls(w);
  EXPECT_EQ(w.windowTitle(), "Quadrel V0.38");
  EXPECT_EQ(w.size(), QSize(792, 573));
  EXPECT_EQ(controls.helpLeft()->geometry(), QRect(24, 86, 281, 339));
  EXPECT_EQ(controls.helpRight()->geometry(), QRect(456, 86, 281, 339));
  EXPECT_EQ(controls.helpLeft()->LineCount(), 15);
  EXPECT_EQ(controls.helpLeft()->Line(0), "H: Toggle Help");
  EXPECT_EQ(controls.helpRight()->Line(14), "C: Toggle corner indicator");
  EXPECT_EQ(controls.numberLabelLeft()->pos(), QPoint(24, 16));
  EXPECT_EQ(controls.descriptionLabelRight()->pos(), QPoint(456, 56));
  EXPECT_EQ(controls.numberLabelLeft()->font().pixelSize(), 21);
  EXPECT_TRUE(controls.numberLabelLeft()->font().bold());
  EXPECT_EQ(controls.helpLeft()->font().pixelSize(), 19);
  EXPECT_EQ(w.font().pixelSize(), 11);
  EXPECT_EQ(controls.cornerMarker()->geometry(), QRect(0, 0, 16, 16));
  EXPECT_EQ(Marker(), Colour(platform::SystemColour::HotLight));
  // No control takes the keyboard, so every key reaches the window.
  for (QWidget* child : w.findChildren<QWidget*>()) EXPECT_EQ(child->focusPolicy(), Qt::NoFocus);
}

TEST_F(ShowWindowTest, DrawsWhatItsControllerTellsIt) {
  Activate();  // without files: the texts on the left only, help shown
  EXPECT_EQ(Labels(), "[END][][][]");
  EXPECT_FALSE(ShowControls().helpLeft()->isHidden());
  EXPECT_TRUE(ShowControls().helpRight()->isHidden());
  for (Shape* shape : ShowControls().FrameShapes()) EXPECT_TRUE(shape->isHidden());

  app->List().Assign({"clip0.avi", "clip1.avi"});
  KeyDown(Key::S);
  EXPECT_EQ(Labels(), "[1][clip0.avi][1][clip0.avi]");
  EXPECT_FALSE(ShowControls().helpRight()->isHidden());
  EXPECT_EQ(Marker(), Colour(platform::SystemColour::HotLight));
  KeyDown(Key::Digit6);
  EXPECT_EQ(Marker(), Colour(platform::SystemColour::GrayText));
  KeyDown(Key::Digit6);
  EXPECT_EQ(Labels(), "[END][][END][]");
  EXPECT_EQ(Marker(), QColor(0x80, 0x00, 0x80));
  KeyDown(Key::I);
  EXPECT_EQ(Labels(), "[][][][]");
  EXPECT_EQ(ShowControls().numberLabelLeft()->size(), QSize(0, 0));  // an empty text takes no room
  KeyDown(Key::C);
  EXPECT_TRUE(ShowControls().cornerMarker()->isHidden());

  // F flips each frame shape on its own.
  ShowControls().frameLineLeft()->setVisible(true);
  KeyDown(Key::F);
  for (Shape* shape : ShowControls().FrameShapes())
    EXPECT_EQ(shape->isHidden(), shape == ShowControls().frameLineLeft());

  app->ShowWindow().show();
  KeyDown(Key::M);
  EXPECT_EQ(app->ShowWindow().OuterWidth(), 1920);
  EXPECT_EQ(app->ShowWindow().OuterHeight(), 1080);
  KeyDown(Key::M);
  EXPECT_EQ(app->ShowWindow().OuterWidth(), 800);
  EXPECT_EQ(app->ShowWindow().OuterHeight(), 600);
}

TEST_F(ShowWindowTest, KeyboardKeysReachTheControllerModifiersIgnoredRepeatsRepeated) {
  Activate();
  app->List().Assign({"a", "b", "c"});
  Press(Qt::Key_H, Qt::ShiftModifier);
  EXPECT_FALSE(app->State().helpVisible);
  Press(Qt::Key_6, Qt::ControlModifier);
  EXPECT_EQ(app->State().showIndex, 1);
  Press(Qt::Key_Right, Qt::AltModifier);
  Press(Qt::Key_Right, Qt::NoModifier, true);
  EXPECT_EQ(app->State().showIndex, 3);
}

TEST_F(ShowWindowTest, ShowListWindowOpensModallyAtTheCorner) {
  Activate();
  app->List().Assign({"a", "b"});
  app->ListWindow().move(300, 200);
  bool checked = false;
  QTimer::singleShot(0, &app->ListWindow(), [&] {
    checked = true;
    EXPECT_TRUE(app->ListWindow().isModal() || app->ListWindow().isVisible());
    EXPECT_EQ(app->ListWindow().pos(), QPoint(0, 0));
    EXPECT_EQ(Labels(), "[][][][]");  // the show window's labels are empty meanwhile
    app->List().Assign({});           // items removed meanwhile
    app->ListWindow().reject();
  });
  KeyDown(Key::L);
  EXPECT_TRUE(checked);
  EXPECT_EQ(Labels(), "[END][][][]");
}

TEST_F(ShowWindowTest, EscapeClosesAFailedSaveKeepsItOpenAndTheJournalTellsTheLists) {
  ShowJournal journal(ProgramFile(".log"));
  services.journal = &journal;
  Activate();
  dir.write("evening.shl", "a\r\nc d\r\n");
  dialogs.answers.push_back({dir.file("evening.shl")});
  app->ListWindow().LoadList();
  dialogs.answers.push_back({dir.file("copy.shl")});
  app->ListWindow().SaveList();
  std::filesystem::create_directory(dir.path() / "quadrel.LST");
  app->ShowWindow().show();

  KeyDown(Key::Escape);
  EXPECT_TRUE(app->ShowWindow().isVisible());
  ASSERT_EQ(messages.errors.size(), 1u);
  EXPECT_EQ(
      messages.errors[0].second.rfind("Cannot create file \"" + ProgramFile(".LST") + "\".", 0),
      0u);

  std::filesystem::remove(dir.path() / "quadrel.LST");
  KeyDown(Key::X);
  EXPECT_FALSE(app->ShowWindow().isVisible());
  EXPECT_EQ(dir.read("quadrel.LST"), "a\r\nc d\r\n");
  std::vector<std::string> events;
  const std::string log = dir.read("quadrel.log");  // the lines below are views into it
  for (const std::string_view line : SplitTextLines(log)) {
    const std::vector<std::string> f = SplitJournalFields(line);
    events.push_back(f[1] + "|" + f[3] + "|" + f[5]);
  }
  EXPECT_EQ(events, (std::vector<std::string>{
                        "show window opened||", "list loaded|2 items|" + dir.file("evening.shl"),
                        "list saved|2 items|" + dir.file("copy.shl"),
                        "list saved|2 items|" + ProgramFile(".LST"), "program closed||"}));
}

TEST_F(ShowWindowTest, EachHalfsTextsStayInsideThatHalfAtEverySize) {
  ShowWindow& w = app->ShowWindow();
  const ShowWindowTestAccess controls(w);
  w.show();
  Activate();
  std::string name;
  while (name.size() < 240) name += "a long folder name\\";
  name += "the show's last clip.avi";
  app->List().Assign({name});
  KeyDown(Key::Digit1);
  ASSERT_EQ(controls.descriptionLabelLeft()->FullText().toStdString(), name);

  for (const QSize size : {QSize(792, 573), QSize(1920, 1080), QSize(500, 300), QSize(90, 60)}) {
    w.resize(size);
    QCoreApplication::sendPostedEvents();
    const int half = w.OuterWidth() / 2;
    for (const bool mono : {false, true}) {
      if (app->State().monoInfo != mono) KeyDown(Key::S);
      KeyDown(Key::H);  // help on and off again: both states are drawn
      for (int help = 0; help < 2; ++help, KeyDown(Key::H)) {
        SCOPED_TRACE(std::to_string(size.width()) + (mono ? " mono" : " stereo") + " pass " +
                     std::to_string(help));
        for (QWidget* left : std::initializer_list<QWidget*>{
                 controls.numberLabelLeft(), controls.descriptionLabelLeft(), controls.helpLeft()})
          EXPECT_LE(left->x() + left->width(), half);
        for (QWidget* right : std::initializer_list<QWidget*>{controls.numberLabelRight(),
                                                              controls.descriptionLabelRight(),
                                                              controls.helpRight()}) {
          if (right->isHidden() || right->width() == 0) continue;
          EXPECT_GE(right->x(), half);
          EXPECT_LE(right->x() + right->width(), w.width());
        }
      }
    }
  }
  // Cut in the middle: the file name at its end is still there, and the whole text is kept.
  w.resize(792, 573);
  QCoreApplication::sendPostedEvents();
  const QString shown = controls.descriptionLabelLeft()->text();
  EXPECT_TRUE(shown.contains(QChar(0x2026))) << shown.toStdString();
  EXPECT_TRUE(shown.endsWith("clip.avi")) << shown.toStdString();
  EXPECT_EQ(controls.descriptionLabelLeft()->FullText().toStdString(), name);
}
