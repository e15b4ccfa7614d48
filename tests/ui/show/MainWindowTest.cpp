#include <unistd.h>
#include <QCheckBox>
#include <QLabel>
#include <QTimer>
#include <filesystem>

#include "UiFixture.h"
#include "core/show/ShowState.h"
#include "platform/SystemColours.h"
#include "ui/controls/Label.h"
#include "ui/controls/Memo.h"
#include "ui/controls/Shape.h"
#include "ui/show/ShowWindow.h"
#include "ui/showlist/ShowListModel.h"
#include "ui/showlist/ShowListWindow.h"

namespace {

QString Text(QLabel* label) {
  return label->text();
}

QColor SystemColour(platform::SystemColour role) {
  return QColor::fromRgb(platform::SystemColourRgb(role));
}

class MainWindow : public UiFixture {
 protected:
  void Labels(const char* numberL, const char* descL, const char* numberR, const char* descR) {
    EXPECT_EQ(Text(Form_Main->numberLabelLeft), numberL);
    EXPECT_EQ(Text(Form_Main->descriptionLabelLeft), descL);
    EXPECT_EQ(Text(Form_Main->numberLabelRight), numberR);
    EXPECT_EQ(Text(Form_Main->descriptionLabelRight), descR);
  }
};

}  // namespace

TEST_F(MainWindow, DesignBeforeAnyActivation) {
  EXPECT_EQ(Form_Main->windowTitle(), "Quadrel V0.38");
  EXPECT_EQ(Form_Main->size(), QSize(792, 573));
  EXPECT_EQ(Form_Main->helpLeft->geometry(), QRect(24, 86, 281, 339));
  EXPECT_EQ(Form_Main->helpRight->geometry(), QRect(456, 86, 281, 339));
  EXPECT_EQ(Form_Main->helpLeft->LineCount(), 15);
  EXPECT_EQ(Form_Main->helpLeft->Line(0), "H: Toggle Help");
  EXPECT_EQ(Form_Main->helpRight->Line(14), "C: Toggle corner indicator");
  EXPECT_EQ(Form_Main->numberLabelLeft->pos(), QPoint(24, 16));
  EXPECT_EQ(Form_Main->descriptionLabelRight->pos(), QPoint(456, 56));
  EXPECT_EQ(Form_Main->numberLabelLeft->font().pixelSize(), 21);
  EXPECT_TRUE(Form_Main->numberLabelLeft->font().bold());
  EXPECT_EQ(Form_Main->helpLeft->font().pixelSize(), 19);
  EXPECT_EQ(Form_Main->font().pixelSize(), 11);
  EXPECT_FALSE(Form_Main->pauseTimer->isActive());
  EXPECT_EQ(Form_Main->pauseTimer->interval(), 1500);
  EXPECT_EQ(Form_Main->cornerMarker->geometry(), QRect(0, 0, 16, 16));
  EXPECT_EQ(Form_Main->cornerMarker->BrushColour(), SystemColour(platform::SystemColour::HotLight));
  EXPECT_TRUE(ShowState.FirstActivation);
  EXPECT_TRUE(ShowState.PointerVisible);
  // No control takes the keyboard, so every key reaches the window.
  for (QWidget* child : Form_Main->findChildren<QWidget*>())
    EXPECT_EQ(child->focusPolicy(), Qt::NoFocus);
}

TEST_F(MainWindow, FirstActivationWithoutFilesShowsEndAndDefaults) {
  Activate();
  EXPECT_FALSE(ShowState.FirstActivation);
  EXPECT_TRUE(ShowState.InfoVisible);
  EXPECT_TRUE(ShowState.HelpVisible);
  EXPECT_TRUE(ShowState.MonoInfo);
  EXPECT_EQ(ShowState.FloatingValueText, "0");
  EXPECT_EQ(ShowState.ShowIndex, 0);
  EXPECT_EQ(Form_Setup->Items().Count(), 0);
  EXPECT_EQ(Form_Main->pos(), QPoint(0, 0));
  Labels("END", "", "", "");
  EXPECT_FALSE(Form_Main->helpLeft->isHidden());
  EXPECT_TRUE(Form_Main->helpRight->isHidden());  // mono: texts only on the left
  for (Shape* shape : Form_Main->FrameShapes()) EXPECT_TRUE(shape->isHidden());
  EXPECT_TRUE(messages.errors.empty());
  EXPECT_TRUE(pointer.calls.empty());
}

TEST_F(MainWindow, InfoDisplayFollowsTheState) {
  dir.write("quadrel.LST", std::string("a.avi\r\nclips\\b.bat\r\n") + "\xe9t\xe9.avi\r\n");
  Activate();
  Labels("1", "a.avi", "", "");

  ShowState.MonoInfo = false;
  ShowState.ShowIndex = 1;
  Form_Main->RefreshInfoDisplay();
  Labels("2", "clips\\b.bat", "2", "clips\\b.bat");
  EXPECT_FALSE(Form_Main->helpRight->isHidden());

  ShowState.ShowIndex = 3;  // end-of-show position
  Form_Main->RefreshInfoDisplay();
  Labels("END", "", "END", "");
  ShowState.ShowIndex = 7;  // past the end after removals: still the end
  Form_Main->RefreshInfoDisplay();
  Labels("END", "", "END", "");

  ShowState.InfoVisible = false;
  ShowState.ShowIndex = 0;
  Form_Main->RefreshInfoDisplay();
  Labels("", "", "", "");
  ShowState.ShowIndex = 3;
  Form_Main->RefreshInfoDisplay();
  Labels("", "", "", "");

  ShowState.HelpVisible = false;
  Form_Main->RefreshInfoDisplay();
  EXPECT_TRUE(Form_Main->helpLeft->isHidden());
  EXPECT_TRUE(Form_Main->helpRight->isHidden());
}

TEST_F(MainWindow, ItemTenIsNumberedTen) {
  std::string list;
  for (int i = 1; i <= 12; ++i) list += "item" + std::to_string(i) + "\r\n";
  dir.write("quadrel.LST", list);
  Activate();
  ShowState.ShowIndex = 9;
  Form_Main->RefreshInfoDisplay();
  EXPECT_EQ(Text(Form_Main->numberLabelLeft), "10");
  EXPECT_EQ(Text(Form_Main->descriptionLabelLeft), "item10");
}

TEST_F(MainWindow, LaterActivationReadsNothingAndKeepsThePosition) {
  dir.write("quadrel.LST", "a\r\nb\r\nc\r\n");
  Activate();
  ShowState.ShowIndex = 2;
  ShowState.Maximised = true;
  for (Shape* shape : Form_Main->FrameShapes()) shape->setVisible(true);
  dir.write("quadrel.LST", "x\r\n");
  Form_Main->numberLabelLeft->clear();

  Activate();
  EXPECT_EQ(Form_Setup->Items().Count(), 3);
  EXPECT_EQ(ShowState.ShowIndex, 2);
  EXPECT_TRUE(ShowState.Maximised);
  for (Shape* shape : Form_Main->FrameShapes()) EXPECT_TRUE(shape->isHidden());
  EXPECT_EQ(Text(Form_Main->numberLabelLeft), "3");
}

TEST_F(MainWindow, AutomaticListThatIsAFolderCountsAsAbsent) {
  std::filesystem::create_directory(dir.path() / "quadrel.LST");
  Activate();
  EXPECT_TRUE(messages.errors.empty());
  EXPECT_EQ(Form_Setup->Items().Count(), 0);
}

TEST_F(MainWindow, UnreadableAutomaticListReportsAndRunsOn) {
  if (::getuid() == 0) GTEST_SKIP() << "root reads every file";
  dir.write("quadrel.LST", "a\r\n");
  std::filesystem::permissions(dir.path() / "quadrel.LST", std::filesystem::perms::none);
  Activate();
  ASSERT_EQ(messages.errors.size(), 1u);
  EXPECT_EQ(messages.errors[0].first, "quadrel");
  EXPECT_NE(messages.errors[0].second.find("Cannot open file \"" + ProgramFile(".LST") + "\"."),
            std::string::npos);
  EXPECT_EQ(Form_Setup->Items().Count(), 0);
  EXPECT_FALSE(ShowState.FirstActivation);  // not tried again
}

TEST_F(MainWindow, PointerLoopsCrossTheThresholdOnce) {
  Activate();
  Form_Main->HidePointer();
  EXPECT_EQ(pointer.calls, std::vector<bool>{false});
  EXPECT_FALSE(ShowState.PointerVisible);
  EXPECT_EQ(ShowState.CursorDisplayCount, -1);
  Form_Main->HidePointer();  // a second hide makes no call
  EXPECT_EQ(pointer.calls.size(), 1u);
  EXPECT_FALSE(ShowState.PointerVisible);

  pointer.value = -5;  // someone else hid it further: show loops until visible
  Form_Main->ShowPointer();
  EXPECT_EQ(pointer.value, 0);
  EXPECT_EQ(ShowState.CursorDisplayCount, 0);
  EXPECT_TRUE(ShowState.PointerVisible);
  EXPECT_EQ(pointer.calls.size(), 6u);
}

TEST_F(MainWindow, PointerLoopStopsWhenTheCounterNeverMoves) {
  struct StuckCounter : platform::PointerCounter {
    int calls = 0;
    int ShowCursor(bool) override { return ++calls, 0; }
  } stuck;
  services.pointer = &stuck;
  Activate();
  Form_Main->HidePointer();
  EXPECT_GT(stuck.calls, 0);
  EXPECT_LE(stuck.calls, 1 << 16);
}

TEST_F(MainWindow, WindowModes) {
  Activate();
  Form_Main->show();
  ShowState.Maximised = true;
  Form_Main->ApplyWindowMode();
  EXPECT_EQ(Form_Main->OuterWidth(), 1920);
  EXPECT_EQ(Form_Main->OuterHeight(), 1080);
  EXPECT_FALSE(ShowState.PointerVisible);

  ShowState.Maximised = false;
  Form_Main->ApplyWindowMode();
  EXPECT_EQ(Form_Main->OuterWidth(), 800);
  EXPECT_EQ(Form_Main->OuterHeight(), 600);
  EXPECT_TRUE(ShowState.PointerVisible);
  EXPECT_EQ(ShowState.CursorDisplayCount, 0);
}

TEST_F(MainWindow, CornerMarkerColours) {
  dir.write("quadrel.LST", "a\r\nb\r\n");
  Activate();
  const QColor hot = SystemColour(platform::SystemColour::HotLight);
  const QColor gray = SystemColour(platform::SystemColour::GrayText);
  Form_Main->UpdateCornerMarker();
  EXPECT_EQ(Form_Main->cornerMarker->BrushColour(), hot);
  ShowState.ShowIndex = 1;
  Form_Main->UpdateCornerMarker();
  EXPECT_EQ(Form_Main->cornerMarker->BrushColour(), gray);
  ShowState.ShowIndex = 2;
  Form_Main->UpdateCornerMarker();
  EXPECT_EQ(Form_Main->cornerMarker->BrushColour(), QColor(128, 0, 128));
  Form_Setup->Items().Assign({});
  ShowState.ShowIndex = 0;  // empty list: the start wins over the end
  Form_Main->UpdateCornerMarker();
  EXPECT_EQ(Form_Main->cornerMarker->BrushColour(), hot);
}

TEST_F(MainWindow, CloseSavesTheListAndAFailedSaveKeepsTheWindowOpen) {
  dir.write("quadrel.LST", "a\r\nb\xff\r\n");
  Activate();
  Form_Setup->Items().Append("c d");
  std::filesystem::remove(dir.path() / "quadrel.LST");
  std::filesystem::create_directory(dir.path() / "quadrel.LST");
  Form_Main->show();

  EXPECT_FALSE(Form_Main->close());
  EXPECT_TRUE(Form_Main->isVisible());
  ASSERT_EQ(messages.errors.size(), 1u);
  EXPECT_EQ(
      messages.errors[0].second.rfind("Cannot create file \"" + ProgramFile(".LST") + "\".", 0),
      0u);

  std::filesystem::remove(dir.path() / "quadrel.LST");
  EXPECT_TRUE(Form_Main->close());
  EXPECT_EQ(dir.read("quadrel.LST"), "a\r\nb\xff\r\nc d\r\n");
  EXPECT_EQ(messages.errors.size(), 1u);
}

TEST_F(MainWindow, FirstActivationReadsSettingsThenLanguageThenList) {
  dir.write("quadrel.INI",
            "[Ini Parameters]\r\nMono Info Screen=0\r\n[setup parameters]\r\nContinuous=1\r\n"
            "[Floating]\r\nValue=2.5\r\n");
  dir.write("quadrel.LNG", "[Screen]\r\nHelp=Hilfe\r\n");
  dir.write("quadrel.LST", "a\r\n");
  Activate();
  EXPECT_TRUE(ShowState.ContinuousMode);  // copied from the box the settings ticked
  EXPECT_FALSE(ShowState.LoopAll);
  EXPECT_FALSE(ShowState.MonoInfo);
  EXPECT_EQ(ShowState.FloatingValueText, "2.5");
  EXPECT_EQ(Form_Main->helpLeft->Line(0), "Hilfe");
  EXPECT_EQ(Form_Main->helpRight->Line(0), "Hilfe");
  EXPECT_EQ(Form_Main->helpLeft->Line(1), "L : Load File list");  // built-in, not design
  EXPECT_EQ(Form_Setup->windowTitle(), "Quadrel File list");
  Labels("1", "a", "1", "a");
}

TEST_F(MainWindow, FailedSettingsSaveSkipsTheOtherSavesAndTheNextCloseStartsOver) {
  dir.write("quadrel.LST", "a\r\n");
  Activate();
  Form_Setup->Items().Append("b");
  std::filesystem::create_directory(dir.path() / "quadrel.INI");
  Form_Main->show();
  EXPECT_FALSE(Form_Main->close());
  ASSERT_EQ(messages.errors.size(), 1u);
  EXPECT_EQ(messages.errors[0].second, "Unable to write to " + ProgramFile(".INI") + ".");
  EXPECT_EQ(dir.read("quadrel.LST"), "a\r\n");  // the list save did not run
  EXPECT_EQ(dir.listing(), "quadrel.INI quadrel.LST");

  std::filesystem::remove(dir.path() / "quadrel.INI");
  EXPECT_TRUE(Form_Main->close());
  EXPECT_EQ(dir.listing(), "quadrel.INI quadrel.LNG quadrel.LST");
  EXPECT_EQ(dir.read("quadrel.INI").rfind("[Ini Parameters]\r\nFile Info=1\r\n", 0), 0u);
  EXPECT_EQ(dir.read("quadrel.LNG").rfind("[Screen]\r\nHelp=H : Toggle help\r\n", 0), 0u);
  EXPECT_EQ(dir.read("quadrel.LST"), "a\r\nb\r\n");
}
