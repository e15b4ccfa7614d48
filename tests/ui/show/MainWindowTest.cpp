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
    EXPECT_EQ(Text(app->Show().numberLabelLeft), numberL);
    EXPECT_EQ(Text(app->Show().descriptionLabelLeft), descL);
    EXPECT_EQ(Text(app->Show().numberLabelRight), numberR);
    EXPECT_EQ(Text(app->Show().descriptionLabelRight), descR);
  }
};

}  // namespace

TEST_F(MainWindow, DesignBeforeAnyActivation) {
  EXPECT_EQ(app->Show().windowTitle(), "Quadrel V0.38");
  EXPECT_EQ(app->Show().size(), QSize(792, 573));
  EXPECT_EQ(app->Show().helpLeft->geometry(), QRect(24, 86, 281, 339));
  EXPECT_EQ(app->Show().helpRight->geometry(), QRect(456, 86, 281, 339));
  EXPECT_EQ(app->Show().helpLeft->LineCount(), 15);
  EXPECT_EQ(app->Show().helpLeft->Line(0), "H: Toggle Help");
  EXPECT_EQ(app->Show().helpRight->Line(14), "C: Toggle corner indicator");
  EXPECT_EQ(app->Show().numberLabelLeft->pos(), QPoint(24, 16));
  EXPECT_EQ(app->Show().descriptionLabelRight->pos(), QPoint(456, 56));
  EXPECT_EQ(app->Show().numberLabelLeft->font().pixelSize(), 21);
  EXPECT_TRUE(app->Show().numberLabelLeft->font().bold());
  EXPECT_EQ(app->Show().helpLeft->font().pixelSize(), 19);
  EXPECT_EQ(app->Show().font().pixelSize(), 11);
  EXPECT_FALSE(app->Show().pauseTimer->isActive());
  EXPECT_EQ(app->Show().pauseTimer->interval(), 1500);
  EXPECT_EQ(app->Show().cornerMarker->geometry(), QRect(0, 0, 16, 16));
  EXPECT_EQ(app->Show().cornerMarker->BrushColour(),
            SystemColour(platform::SystemColour::HotLight));
  EXPECT_TRUE(app->State().firstActivation);
  EXPECT_TRUE(app->State().pointerVisible);
  // No control takes the keyboard, so every key reaches the window.
  for (QWidget* child : app->Show().findChildren<QWidget*>())
    EXPECT_EQ(child->focusPolicy(), Qt::NoFocus);
}

TEST_F(MainWindow, FirstActivationWithoutFilesShowsEndAndDefaults) {
  Activate();
  EXPECT_FALSE(app->State().firstActivation);
  EXPECT_TRUE(app->State().infoVisible);
  EXPECT_TRUE(app->State().helpVisible);
  EXPECT_TRUE(app->State().monoInfo);
  EXPECT_EQ(app->State().floatingValueText, "0");
  EXPECT_EQ(app->State().showIndex, 0);
  EXPECT_EQ(app->ListWindow().Items().Count(), 0);
  EXPECT_EQ(app->Show().pos(), QPoint(0, 0));
  Labels("END", "", "", "");
  EXPECT_FALSE(app->Show().helpLeft->isHidden());
  EXPECT_TRUE(app->Show().helpRight->isHidden());  // mono: texts only on the left
  for (Shape* shape : app->Show().FrameShapes()) EXPECT_TRUE(shape->isHidden());
  EXPECT_TRUE(messages.errors.empty());
  EXPECT_TRUE(pointer.calls.empty());
}

TEST_F(MainWindow, InfoDisplayFollowsTheState) {
  dir.write("quadrel.LST", std::string("a.avi\r\nclips\\b.bat\r\n") + "\xe9t\xe9.avi\r\n");
  Activate();
  Labels("1", "a.avi", "", "");

  app->State().monoInfo = false;
  app->State().showIndex = 1;
  app->Show().RefreshInfoDisplay();
  Labels("2", "clips\\b.bat", "2", "clips\\b.bat");
  EXPECT_FALSE(app->Show().helpRight->isHidden());

  app->State().showIndex = 3;  // end-of-show position
  app->Show().RefreshInfoDisplay();
  Labels("END", "", "END", "");
  app->State().showIndex = 7;  // past the end after removals: still the end
  app->Show().RefreshInfoDisplay();
  Labels("END", "", "END", "");

  app->State().infoVisible = false;
  app->State().showIndex = 0;
  app->Show().RefreshInfoDisplay();
  Labels("", "", "", "");
  app->State().showIndex = 3;
  app->Show().RefreshInfoDisplay();
  Labels("", "", "", "");

  app->State().helpVisible = false;
  app->Show().RefreshInfoDisplay();
  EXPECT_TRUE(app->Show().helpLeft->isHidden());
  EXPECT_TRUE(app->Show().helpRight->isHidden());
}

TEST_F(MainWindow, ItemTenIsNumberedTen) {
  std::string list;
  for (int i = 1; i <= 12; ++i) list += "item" + std::to_string(i) + "\r\n";
  dir.write("quadrel.LST", list);
  Activate();
  app->State().showIndex = 9;
  app->Show().RefreshInfoDisplay();
  EXPECT_EQ(Text(app->Show().numberLabelLeft), "10");
  EXPECT_EQ(Text(app->Show().descriptionLabelLeft), "item10");
}

TEST_F(MainWindow, LaterActivationReadsNothingAndKeepsThePosition) {
  dir.write("quadrel.LST", "a\r\nb\r\nc\r\n");
  Activate();
  app->State().showIndex = 2;
  app->State().maximised = true;
  for (Shape* shape : app->Show().FrameShapes()) shape->setVisible(true);
  dir.write("quadrel.LST", "x\r\n");
  app->Show().numberLabelLeft->clear();

  Activate();
  EXPECT_EQ(app->ListWindow().Items().Count(), 3);
  EXPECT_EQ(app->State().showIndex, 2);
  EXPECT_TRUE(app->State().maximised);
  for (Shape* shape : app->Show().FrameShapes()) EXPECT_TRUE(shape->isHidden());
  EXPECT_EQ(Text(app->Show().numberLabelLeft), "3");
}

TEST_F(MainWindow, AutomaticListThatIsAFolderCountsAsAbsent) {
  std::filesystem::create_directory(dir.path() / "quadrel.LST");
  Activate();
  EXPECT_TRUE(messages.errors.empty());
  EXPECT_EQ(app->ListWindow().Items().Count(), 0);
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
  EXPECT_EQ(app->ListWindow().Items().Count(), 0);
  EXPECT_FALSE(app->State().firstActivation);  // not tried again
}

TEST_F(MainWindow, PointerLoopsCrossTheThresholdOnce) {
  Activate();
  app->Show().HidePointer();
  EXPECT_EQ(pointer.calls, std::vector<bool>{false});
  EXPECT_FALSE(app->State().pointerVisible);
  EXPECT_EQ(app->State().cursorDisplayCount, -1);
  app->Show().HidePointer();  // a second hide makes no call
  EXPECT_EQ(pointer.calls.size(), 1u);
  EXPECT_FALSE(app->State().pointerVisible);

  pointer.value = -5;  // someone else hid it further: show loops until visible
  app->Show().ShowPointer();
  EXPECT_EQ(pointer.value, 0);
  EXPECT_EQ(app->State().cursorDisplayCount, 0);
  EXPECT_TRUE(app->State().pointerVisible);
  EXPECT_EQ(pointer.calls.size(), 6u);
}

TEST_F(MainWindow, PointerLoopStopsWhenTheCounterNeverMoves) {
  struct StuckCounter : platform::PointerCounter {
    int calls = 0;
    int ShowCursor(bool) override { return ++calls, 0; }
  } stuck;
  services.pointer = &stuck;
  Activate();
  app->Show().HidePointer();
  EXPECT_GT(stuck.calls, 0);
  EXPECT_LE(stuck.calls, 1 << 16);
}

TEST_F(MainWindow, WindowModes) {
  Activate();
  app->Show().show();
  app->State().maximised = true;
  app->Show().ApplyWindowMode();
  EXPECT_EQ(app->Show().OuterWidth(), 1920);
  EXPECT_EQ(app->Show().OuterHeight(), 1080);
  EXPECT_FALSE(app->State().pointerVisible);

  app->State().maximised = false;
  app->Show().ApplyWindowMode();
  EXPECT_EQ(app->Show().OuterWidth(), 800);
  EXPECT_EQ(app->Show().OuterHeight(), 600);
  EXPECT_TRUE(app->State().pointerVisible);
  EXPECT_EQ(app->State().cursorDisplayCount, 0);
}

TEST_F(MainWindow, CornerMarkerColours) {
  dir.write("quadrel.LST", "a\r\nb\r\n");
  Activate();
  const QColor hot = SystemColour(platform::SystemColour::HotLight);
  const QColor gray = SystemColour(platform::SystemColour::GrayText);
  app->Show().UpdateCornerMarker();
  EXPECT_EQ(app->Show().cornerMarker->BrushColour(), hot);
  app->State().showIndex = 1;
  app->Show().UpdateCornerMarker();
  EXPECT_EQ(app->Show().cornerMarker->BrushColour(), gray);
  app->State().showIndex = 2;
  app->Show().UpdateCornerMarker();
  EXPECT_EQ(app->Show().cornerMarker->BrushColour(), QColor(128, 0, 128));
  app->ListWindow().Items().Assign({});
  app->State().showIndex = 0;  // empty list: the start wins over the end
  app->Show().UpdateCornerMarker();
  EXPECT_EQ(app->Show().cornerMarker->BrushColour(), hot);
}

TEST_F(MainWindow, CloseSavesTheListAndAFailedSaveKeepsTheWindowOpen) {
  dir.write("quadrel.LST", "a\r\nb\xff\r\n");
  Activate();
  app->ListWindow().Items().Append("c d");
  std::filesystem::remove(dir.path() / "quadrel.LST");
  std::filesystem::create_directory(dir.path() / "quadrel.LST");
  app->Show().show();

  EXPECT_FALSE(app->Show().close());
  EXPECT_TRUE(app->Show().isVisible());
  ASSERT_EQ(messages.errors.size(), 1u);
  EXPECT_EQ(
      messages.errors[0].second.rfind("Cannot create file \"" + ProgramFile(".LST") + "\".", 0),
      0u);

  std::filesystem::remove(dir.path() / "quadrel.LST");
  EXPECT_TRUE(app->Show().close());
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
  EXPECT_TRUE(app->State().continuousMode);  // copied from the box the settings ticked
  EXPECT_FALSE(app->State().loopAll);
  EXPECT_FALSE(app->State().monoInfo);
  EXPECT_EQ(app->State().floatingValueText, "2.5");
  EXPECT_EQ(app->Show().helpLeft->Line(0), "Hilfe");
  EXPECT_EQ(app->Show().helpRight->Line(0), "Hilfe");
  EXPECT_EQ(app->Show().helpLeft->Line(1), "L : Load File list");  // built-in, not design
  EXPECT_EQ(app->ListWindow().windowTitle(), "Quadrel File list");
  Labels("1", "a", "1", "a");
}

TEST_F(MainWindow, FailedSettingsSaveSkipsTheOtherSavesAndTheNextCloseStartsOver) {
  dir.write("quadrel.LST", "a\r\n");
  Activate();
  app->ListWindow().Items().Append("b");
  std::filesystem::create_directory(dir.path() / "quadrel.INI");
  app->Show().show();
  EXPECT_FALSE(app->Show().close());
  ASSERT_EQ(messages.errors.size(), 1u);
  EXPECT_EQ(messages.errors[0].second, "Unable to write to " + ProgramFile(".INI") + ".");
  EXPECT_EQ(dir.read("quadrel.LST"), "a\r\n");  // the list save did not run
  EXPECT_EQ(dir.listing(), "quadrel.INI quadrel.LST");

  std::filesystem::remove(dir.path() / "quadrel.INI");
  EXPECT_TRUE(app->Show().close());
  EXPECT_EQ(dir.listing(), "quadrel.INI quadrel.LNG quadrel.LST");
  EXPECT_EQ(dir.read("quadrel.INI").rfind("[Ini Parameters]\r\nFile Info=1\r\n", 0), 0u);
  EXPECT_EQ(dir.read("quadrel.LNG").rfind("[Screen]\r\nHelp=H : Toggle help\r\n", 0), 0u);
  EXPECT_EQ(dir.read("quadrel.LST"), "a\r\nb\r\n");
}
