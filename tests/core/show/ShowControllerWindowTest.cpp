// The show window's life: its first and later activations, the floating frame's layout, the close.
#include <gmock/gmock.h>

#include <fstream>

#include "ShowControllerFixture.h"
#include "base/AppError.h"

namespace fs = std::filesystem;

using testing::StartsWith;
using testing::ThrowsMessage;
using Window = ShowControllerTest;
const char* const kNoNumber = "'abc' is not a valid floating point value";

TEST_F(Window, FirstActivationReadsTheFilesInItsOrder) {
  UseJournal();
  dir.write("quadrel.LST", "a\r\nb\xff\r\n");
  state.showIndex = 5;
  state.maximised = true;
  state.cursorDisplayCount = -3;
  dir.write("quadrel.INI", "[Ini Parameters]\r\nHelp Info=0\r\n[Floating]\r\nValue=7\r\n");
  dir.write("quadrel.LNG", "[Screen]\r\nHelp=Hilfe\r\n");
  controller.onFilesRead = [&] {
    // Before the settings: the journal line and the position; the list and the pointer after.
    log.push_back("files read");
    EXPECT_EQ(Events(), std::vector<std::string>{"show window opened|||"});
    EXPECT_EQ(state.showIndex, 0);
    EXPECT_FALSE(state.maximised);
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(state.cursorDisplayCount, -3);
    // The show's displays and the floating value are in the show state already.
    EXPECT_FALSE(state.helpVisible);
    EXPECT_TRUE(state.infoVisible);
    EXPECT_EQ(state.floatingValueText, "7");
    EXPECT_FALSE(values.settings.helpVisible);
    EXPECT_EQ(values.texts.help[0], "Hilfe");
    EXPECT_EQ(values.texts.help[1], BuiltInLanguage().help[1]);
  };
  controller.Activated();
  EXPECT_EQ(Calls(), (CallLog{"files read", "move to 0,0", "frame hidden", "info 1 a | -"}));
  EXPECT_EQ(list.Items(), (std::vector<std::string>{"a", "b\xff"}));
  EXPECT_EQ(state.cursorDisplayCount, 0);
  EXPECT_FALSE(state.firstActivation);
  EXPECT_EQ(Events().back(), "list loaded||2 items|" + ProgramFile(".LST"));

  // Later activations read nothing and keep the position; they hide the frame and redraw.
  dir.write("quadrel.LST", "x\r\n");
  state.showIndex = 1;
  state.maximised = true;
  controller.Activated();
  EXPECT_EQ(Calls(), (CallLog{"frame hidden", "info 2 b\xff | -"}));
  EXPECT_EQ(list.Count(), 2);
  EXPECT_TRUE(state.maximised);
}

TEST_F(Window, AutomaticListCutByANulIsReportedAndKeptWholeBeforeTheCloseSavesIt) {
  using namespace std::string_literals;
  UseJournal();
  const std::string bytes = "a.sh\r\nb\0c.sh\r\nd.sh\r\n"s;
  dir.write("quadrel.LST", bytes);
  controller.Activated();
  EXPECT_EQ(list.Items(), (std::vector<std::string>{"a.sh", "b"}));
  EXPECT_EQ(dir.read("quadrel.LST.nul-cut"), bytes);
  ASSERT_EQ(messages.warnings.size(), 1u);
  EXPECT_EQ(messages.warnings[0].first, "quadrel");
  EXPECT_EQ(
      messages.warnings[0].second,
      "The list file \"" + ProgramFile(".LST") +
          "\" holds a NUL byte in line 2: only the 2 items before it were read, and the "
          "rest of the file (13 bytes) is not in the show list. The whole file is kept in \"" +
          ProgramFile(".LST.nul-cut") + "\".");
  EXPECT_EQ(Events(), (std::vector<std::string>{
                          "show window opened|||",
                          "list loaded||2 items|" + ProgramFile(".LST"),
                          "list cut short||NUL byte in line 2, 2 items read; whole file kept in " +
                              ProgramFile(".LST.nul-cut") + "|" + ProgramFile(".LST"),
                      }));

  controller.SaveAtClose();
  EXPECT_EQ(dir.read("quadrel.LST"), "a.sh\r\nb\r\n");
  EXPECT_EQ(dir.read("quadrel.LST.nul-cut"), bytes);  // the rest is still there
  EXPECT_TRUE(messages.errors.empty());
}

TEST_F(Window, MissingAutomaticListOrAFolderInItsPlaceLeavesTheListAlone) {
  list.Assign({"kept"});
  fs::create_directory(ProgramFile(".LST"));
  controller.Activated();
  fs::remove(ProgramFile(".LST"));
  state.firstActivation = true;  // as at another program start
  controller.Activated();
  EXPECT_EQ(list.Items(), std::vector<std::string>{"kept"});
}

TEST_F(Window, UnreadableAutomaticListIsReportedAndNotTriedAgain) {
  dir.write("quadrel.LST", "a\r\n");
  fs::permissions(ProgramFile(".LST"), fs::perms::none);
  if (std::ifstream(ProgramFile(".LST")).is_open()) GTEST_SKIP() << "the file stays readable here";
  EXPECT_THAT([&] { controller.Activated(); },
              ThrowsMessage<AppError>(StartsWith("Cannot open file \"" + ProgramFile(".LST"))));
  EXPECT_EQ(list.Count(), 0);
  EXPECT_FALSE(state.firstActivation);
  controller.Activated();
  EXPECT_EQ(Calls(), (CallLog{"files read", "frame hidden", "info END help | -"}));
}

TEST_F(Window, LayoutBeforeTheFirstActivationWaitsForIt) {
  // Before the settings are read the value is empty: a resize then must not report it.
  controller.Resized();
  controller.LayoutIfPending();
  EXPECT_EQ(Calls(), CallLog{});
  dir.write("quadrel.INI", "[Ini Parameters]\r\nFile Info=0\r\nHelp Info=0\r\n");
  controller.Activated();
  controller.LayoutIfPending();
  EXPECT_EQ(Calls(), (CallLog{"files read", "move to 0,0", "frame hidden", "info - | -",
                              "right texts +500", "place frame"}));
  EXPECT_EQ(view.frame.lineLeftL, 499);
  EXPECT_EQ(view.frame.rectangleLeftR, 500);
  controller.LayoutIfPending();  // once only
  controller.Activated();
  EXPECT_EQ(Calls(), (CallLog{"frame hidden", "info - | -"}));
}

TEST_F(Window, EnteredValueLaysOutAndShowsTheFrameAfterTheHandOver) {
  Start({});
  view.onKeyboardBack = [&] { controller.Activated(); };  // the activation hides the frame
  controller.FloatingValueEntered(" -5 ");
  EXPECT_EQ(Calls(), (CallLog{"keyboard back", "frame hidden", "info END | END", "right texts +500",
                              "place frame", "frame shown"}));
  EXPECT_EQ(state.floatingValueText, " -5 ");  // the text as typed
  EXPECT_EQ(view.frame.rectangleLeftL, 25);

  view.outer = {800, 500};
  controller.Resized();  // lays the frame out for the new size, leaves its visibility alone
  EXPECT_EQ(Calls(), (CallLog{"right texts +400", "place frame"}));
  EXPECT_EQ(view.frame.lineLeftR, 799);
  EXPECT_EQ(view.frame.lineHeight, 500);
}

TEST_F(Window, ValueThatIsNoNumberIsReportedAtEveryLayoutUntilAValidOne) {
  Start({});
  controller.FloatingValueEntered("5");
  Calls();
  EXPECT_THAT([&] { controller.FloatingValueEntered("abc"); }, ThrowsMessage<AppError>(kNoNumber));
  EXPECT_EQ(Calls(), (CallLog{"keyboard back", "right texts +500"}));  // the frame stays hidden
  EXPECT_EQ(state.floatingValueText, "abc");
  EXPECT_EQ(view.frame.rectangleLeftR, 525);  // still placed for 5 %

  view.outer = {800, 600};
  EXPECT_THAT([&] { controller.Resized(); }, ThrowsMessage<AppError>(kNoNumber));
  EXPECT_EQ(Calls(), CallLog{"right texts +400"});  // the texts still follow the width

  controller.FloatingValueEntered("0");
  controller.Resized();
  EXPECT_EQ(view.frame.lineLeftR, 400);

  // The value is read with the system's decimal separator.
  separator = ',';
  controller.FloatingValueEntered("0,5");  // 5 tenths of 800 pixels: 2 at the inner edges
  EXPECT_EQ(view.frame.rectangleLeftR, 402);
  EXPECT_THROW(controller.FloatingValueEntered("0.5"), AppError);
}

TEST_F(Window, CloseSavesSettingsThenListAndAFailedSaveSkipsTheRestUntilTheNext) {
  UseJournal();
  Start({"a", "b\xff"});
  dir.write("quadrel.LST", "old\r\n");
  fs::create_directory(ProgramFile(".INI"));
  EXPECT_THAT([&] { controller.SaveAtClose(); },
              ThrowsMessage<AppError>(StartsWith("Unable to write to " + ProgramFile(".INI"))));
  EXPECT_FALSE(fs::exists(ProgramFile(".LNG")));  // nor did the language file's
  EXPECT_EQ(dir.read("quadrel.LST"), "old\r\n");  // the list save did not run

  fs::remove(ProgramFile(".INI"));
  fs::remove(ProgramFile(".LST"));
  fs::create_directory(ProgramFile(".LST"));
  EXPECT_THAT([&] { controller.SaveAtClose(); },
              ThrowsMessage<AppError>(StartsWith("Cannot create file \"" + ProgramFile(".LST"))));
  EXPECT_TRUE(fs::exists(ProgramFile(".INI")));
  EXPECT_TRUE(fs::exists(ProgramFile(".LNG")));

  fs::remove(ProgramFile(".LST"));
  Calls();
  controller.SaveAtClose();
  controller.Closed();
  EXPECT_EQ(Calls(), CallLog{});
  EXPECT_EQ(dir.read("quadrel.LST"), "a\r\nb\xff\r\n");
  // Only the save that went through is journalled.
  EXPECT_EQ(Events(), (std::vector<std::string>{"show window opened|||",
                                                "list saved||2 items|" + ProgramFile(".LST"),
                                                "program closed|||"}));
}

// What the keys changed in the show state goes into the settings at the close; indexes read out
// of range are written back as their controls would hold them; the texts go back as read.
TEST_F(Window, CloseWritesTheHeldValuesWithTheShowsDisplays) {
  dir.write("quadrel.INI", "[Bino]\r\nVideoInput=99\r\n[Setup Parameters]\r\nLoop=1\r\n");
  dir.write("quadrel.LNG", "[Setup]\r\nWindow=Liste\r\n");
  controller.Activated();
  EXPECT_TRUE(values.settings.loopAll);
  EXPECT_EQ(values.settings.binoVideoInput, 11);
  Press(Key::I);
  Press(Key::S);
  state.floatingValueText = "2,5";
  values.settings.continuousMode = true;  // as the show list window's box writes it
  controller.SaveAtClose();

  Settings expected;
  expected.infoVisible = false;
  expected.monoInfo = false;
  expected.floatingValueText = "2,5";
  expected.loopAll = true;
  expected.continuousMode = true;
  expected.binoVideoInput = 11;
  EXPECT_EQ(ReadProgramFiles(services.exePath).settings, expected);
  LanguageValues texts = BuiltInLanguage();
  texts.listWindow[0] = "Liste";
  EXPECT_EQ(ReadProgramFiles(services.exePath).texts, texts);
}
