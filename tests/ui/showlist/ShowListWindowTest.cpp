#include <sys/stat.h>
#include <QCheckBox>
#include <QListView>
#include <QPushButton>
#include <filesystem>
#include "KeyClick.h"

#include "UiFixture.h"
#include "ui/controls/RadioGroup.h"
#include "ui/players/BinoSettingsWindow.h"
#include "ui/players/SPlayerSettingsWindow.h"
#include "core/show/ShowState.h"
#include "core/showlist/ShowListFile.h"
#include "ui/showlist/ShowListModel.h"
#include "ui/showlist/ShowListWindow.h"

using Items = std::vector<std::string>;

namespace {

class ShowListWindow : public UiFixture {
 protected:
  ShowListModel& List() { return Form_Setup->Items(); }
  void Select(std::initializer_list<int> rows) {
    auto* selection = Form_Setup->ListBox1->selectionModel();
    selection->clearSelection();
    for (int row : rows) selection->select(List().index(row), QItemSelectionModel::Select);
  }
  std::string File(const std::string& name) { return dir.file(name); }
};

}  // namespace

TEST_F(ShowListWindow, DesignSizePlacesAndTabOrder) {
  TForm_Setup& w = *Form_Setup;
  EXPECT_EQ(w.windowTitle(), "File list");
  EXPECT_EQ(w.size(), QSize(835, 722));
  EXPECT_EQ(w.ListBox1->geometry(), QRect(0, 0, 691, 722));
  EXPECT_EQ(w.Button_select->geometry(), QRect(698, 8, 129, 25));
  EXPECT_EQ(w.Button_Clear->geometry(), QRect(699, 41, 128, 25));
  EXPECT_EQ(w.Button_Clear_All->geometry(), QRect(698, 72, 129, 25));
  EXPECT_EQ(w.CheckBox_continuous->geometry(), QRect(698, 200, 129, 17));
  EXPECT_EQ(w.CheckBox_Loop->geometry(), QRect(698, 232, 129, 17));
  EXPECT_EQ(w.RadioGroup_ChosenPlayer->geometry(), QRect(697, 408, 130, 82));
  EXPECT_EQ(w.Button1->geometry(), QRect(698, 496, 129, 33));
  EXPECT_EQ(w.Button_Load->geometry(), QRect(698, 641, 129, 25));
  EXPECT_EQ(w.Button_Save->geometry(), QRect(698, 672, 129, 25));
  EXPECT_EQ(w.Button_select->text(), "Select file(s)");
  EXPECT_EQ(w.Button1->text(), "Make BAT/VBS");
  EXPECT_EQ(w.RadioGroup_ChosenPlayer->title(), "Chosen 3D player");
  EXPECT_EQ(w.RadioGroup_ChosenPlayer->ItemIndex(), 0);
  EXPECT_FALSE(w.CheckBox_continuous->isChecked());
  EXPECT_FALSE(w.CheckBox_Loop->isChecked());
  EXPECT_EQ(w.ListBox1->font().pixelSize(), 16);
  EXPECT_TRUE(w.ListBox1->font().bold());
  EXPECT_EQ(w.ListBox1->palette().color(QPalette::Base), QColor(Qt::black));
  EXPECT_EQ(w.ListBox1->palette().color(QPalette::Text), QColor(Qt::white));
  EXPECT_EQ(w.Button_Save->font().family(), "Arial");
  EXPECT_EQ(w.font().pixelSize(), 11);
  EXPECT_EQ(w.ListBox1->selectionMode(), QAbstractItemView::ExtendedSelection);

  // Tab order: the list, Select, Clear, Save, Load, Clear All, the boxes, Make, the radio group.
  std::vector<QWidget*> expected{
      w.ListBox1,         w.Button_select,       w.Button_Clear,  w.Button_Save, w.Button_Load,
      w.Button_Clear_All, w.CheckBox_continuous, w.CheckBox_Loop, w.Button1};
  std::vector<QWidget*> chain;
  QWidget* at = w.ListBox1;
  do {
    if (at->focusPolicy() & Qt::TabFocus) chain.push_back(at);
    at = at->nextInFocusChain();
  } while (at != w.ListBox1 && chain.size() < 50);
  ASSERT_GT(chain.size(), expected.size());
  EXPECT_EQ(std::vector<QWidget*>(chain.begin(), chain.begin() + 9), expected);
  EXPECT_TRUE(w.RadioGroup_ChosenPlayer->isAncestorOf(chain[9]));
}

TEST_F(ShowListWindow, ResizeKeepsTheRightEdgeDistances) {
  Form_Setup->show();
  Form_Setup->resize(1000, 800);
  EXPECT_EQ(Form_Setup->ListBox1->geometry(), QRect(0, 0, 856, 800));
  EXPECT_EQ(Form_Setup->Button_select->geometry(), QRect(863, 8, 129, 25));
  EXPECT_EQ(Form_Setup->Button_Clear->geometry(), QRect(864, 41, 128, 25));
  EXPECT_EQ(Form_Setup->RadioGroup_ChosenPlayer->geometry(), QRect(862, 408, 130, 82));
  Form_Setup->resize(600, 500);
  EXPECT_EQ(Form_Setup->ListBox1->geometry(), QRect(0, 0, 456, 500));
  EXPECT_EQ(Form_Setup->Button_Save->geometry(), QRect(463, 672, 129, 25));
}

TEST_F(ShowListWindow, SelectAppendsEveryChosenFileInTheDialogsOrder) {
  List().Assign({"first.avi"});
  std::filesystem::create_directories(dir.path() / "clips");
  dialogs.answers.push_back({File("b.avi"), (dir.path() / "clips" / "a.bat").string(),
                             File("b.avi"), File("missing.mpg")});
  Form_Setup->Button_select->click();
  EXPECT_EQ(List().Items(),
            (Items{"first.avi", "b.avi", R"(clips\a.bat)", "b.avi", "missing.mpg"}));
  ASSERT_EQ(dialogs.requests.size(), 1u);
  const auto& request = dialogs.requests[0];
  EXPECT_EQ(request.title, "Select files for show");
  EXPECT_EQ(request.filter,
            "Show files (*.exe, *.bat, *.vbs, *.avi, *.mpg)|*.exe;*.bat;*.vbs;*.avi;*.mpg");
  EXPECT_EQ(request.defaultExt, ".exe, .bat, .vbs, .avi, .mpg");
  EXPECT_TRUE(request.multiSelect);
  EXPECT_FALSE(request.save);

  // Cancelled: nothing changes, and the dialog opens again where the last choice was.
  Form_Setup->Button_select->click();
  ASSERT_EQ(dialogs.requests.size(), 2u);
  EXPECT_EQ(dialogs.requests[1].fileName, File("b.avi"));
  EXPECT_EQ(List().Count(), 5);
  EXPECT_TRUE(messages.errors.empty());
}

TEST_F(ShowListWindow, LoadReplacesTheListAndCancelKeepsIt) {
  dir.write("two.shl", "x.avi\r\n..\\y.bat\r\n");
  List().Assign({"1", "2", "3", "4", "5"});
  dialogs.answers.push_back({File("two.shl")});
  Form_Setup->Button_Load->click();
  EXPECT_EQ(List().Items(), (Items{"x.avi", R"(..\y.bat)"}));
  ASSERT_EQ(dialogs.requests.size(), 1u);
  EXPECT_EQ(dialogs.requests[0].filter, "3D show list (*.shl)|*.shl|All files (*.*)|*.*");
  EXPECT_EQ(dialogs.requests[0].defaultExt, "shl");
  EXPECT_EQ(dialogs.requests[0].title, "");
  EXPECT_FALSE(dialogs.requests[0].multiSelect);
  EXPECT_FALSE(dialogs.requests[0].save);

  Form_Setup->Button_Load->click();  // cancelled
  EXPECT_EQ(List().Items(), (Items{"x.avi", R"(..\y.bat)"}));
  EXPECT_EQ(dialogs.requests[1].fileName, File("two.shl"));

  // A name that cannot be opened: the error report, and the list as it was.
  dialogs.answers.push_back({File("gone.shl")});
  Form_Setup->Button_Load->click();
  EXPECT_EQ(List().Items(), (Items{"x.avi", R"(..\y.bat)"}));
  ASSERT_EQ(messages.errors.size(), 1u);
  EXPECT_EQ(messages.errors[0].first, "quadrel");
  EXPECT_NE(messages.errors[0].second.find("Cannot open file \"" + File("gone.shl") + "\""),
            std::string::npos);
  EXPECT_EQ(dialogs.requests[2].fileName, File("two.shl"));
  Form_Setup->Button_Load->click();
  EXPECT_EQ(dialogs.requests[3].fileName, File("gone.shl"));
}

TEST_F(ShowListWindow, LoadRefusesWhatIsNoRegularFileWithoutBlocking) {
  List().Assign({"kept.avi"});
  const std::string fifo = File("pipe.shl");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  for (const std::string& chosen : {fifo, std::string("/dev/zero")}) {
    messages.errors.clear();
    dialogs.answers.push_back({chosen});
    Form_Setup->Button_Load->click();  // a blocking read would hang the suite here
    ASSERT_EQ(messages.errors.size(), 1u);
    EXPECT_EQ(messages.errors[0].second,
              "Cannot open file \"" + chosen + "\". Not a regular file.");
    EXPECT_EQ(List().Items(), Items{"kept.avi"});
  }
}

TEST_F(ShowListWindow, SaveThenLoadGivesTheSameList) {
  const Items items{"intro.avi", "",
                    R"(clips\caf)"
                    "\xE9"
                    R"( film.mpg)",
                    "  spaced  ", "intro.avi"};
  List().Assign(items);
  dialogs.answers.push_back({File("show.shl")});
  Form_Setup->Button_Save->click();
  EXPECT_EQ(dir.read("show.shl"), FormatShowList(items));
  ASSERT_EQ(dialogs.requests.size(), 1u);
  EXPECT_EQ(dialogs.requests[0].filter, "3D show list (*.shl)|*.shl");
  EXPECT_EQ(dialogs.requests[0].defaultExt, "shl");
  EXPECT_TRUE(dialogs.requests[0].save);
  EXPECT_EQ(List().Items(), items);

  List().Assign({"other"});
  dialogs.answers.push_back({File("show.shl")});
  Form_Setup->Button_Load->click();
  EXPECT_EQ(List().Items(), items);

  // Cancelled: nothing written; the dialog reopens with the name last chosen in it.
  const std::string before = dir.listing();
  Form_Setup->Button_Save->click();
  EXPECT_EQ(dir.listing(), before);
  EXPECT_EQ(dialogs.requests.back().fileName, File("show.shl"));

  // Saving over an existing file replaces it; an empty list gives zero bytes.
  List().Assign({});
  dialogs.answers.push_back({File("show.shl")});
  Form_Setup->Button_Save->click();
  EXPECT_EQ(dir.read("show.shl"), "");

  // A target that cannot be created: the error report; nothing else changes.
  std::filesystem::create_directory(dir.path() / "folder.shl");
  List().Assign({"kept"});
  dialogs.answers.push_back({File("folder.shl")});
  Form_Setup->Button_Save->click();
  ASSERT_EQ(messages.errors.size(), 1u);
  EXPECT_NE(messages.errors[0].second.find("Cannot create file"), std::string::npos);
  EXPECT_EQ(List().Items(), Items{"kept"});
  EXPECT_TRUE(std::filesystem::is_directory(dir.path() / "folder.shl"));
}

TEST_F(ShowListWindow, ClearRemovesTheSelectedItems) {
  List().Assign({"A", "B", "C", "D", "E"});
  Form_Setup->Button_Clear->click();  // nothing selected
  EXPECT_EQ(List().Count(), 5);
  Select({1, 3});
  Form_Setup->Button_Clear->click();
  EXPECT_EQ(List().Items(), (Items{"A", "C", "E"}));
  EXPECT_TRUE(Form_Setup->SelectedPositions().empty());
  Select({0, 1});
  Form_Setup->Button_Clear->click();
  EXPECT_EQ(List().Items(), Items{"E"});

  List().Assign({"A", "B", "C"});
  Select({1});
  Form_Setup->Button_Clear_All->click();
  EXPECT_EQ(List().Count(), 0);
  Form_Setup->Button_Clear_All->click();
  EXPECT_EQ(List().Count(), 0);
}

TEST_F(ShowListWindow, ClearOfAHalfMillionSelectedKeepsTheRest) {
  std::vector<std::string> items;
  for (int i = 0; i < 1000000; ++i) items.push_back(std::to_string(i));
  List().Assign(std::move(items));
  // A Shift-range over the middle half.
  Form_Setup->ListBox1->selectionModel()->select(
      QItemSelection(List().index(250000), List().index(749999)), QItemSelectionModel::Select);
  Form_Setup->Button_Clear->click();
  ASSERT_EQ(List().Count(), 500000);
  EXPECT_EQ(List().Item(249999), "249999");
  EXPECT_EQ(List().Item(250000), "750000");
}

TEST_F(ShowListWindow, CheckBoxesKeepTheShowStateEqual) {
  Form_Setup->CheckBox_continuous->click();
  EXPECT_TRUE(ShowState.ContinuousMode);
  EXPECT_FALSE(ShowState.LoopAll);
  Form_Setup->CheckBox_Loop->setChecked(true);  // as the settings file sets it
  EXPECT_TRUE(ShowState.LoopAll);
  Form_Setup->CheckBox_continuous->setChecked(false);
  EXPECT_FALSE(ShowState.ContinuousMode);
  Form_Setup->CheckBox_Loop->click();
  EXPECT_FALSE(ShowState.LoopAll);
}

TEST_F(ShowListWindow, MakeBatVbsOpensTheChosenPlayersWindow) {
  std::vector<QDialog*> shown;
  Form_Setup->ShowModal = [&](QDialog& window) { shown.push_back(&window); };
  Form_Setup->Button1->click();  // "Bino" is chosen at start
  Form_Setup->RadioGroup_ChosenPlayer->SetItemIndex(1);
  Form_Setup->Button1->click();
  Form_Setup->RadioGroup_ChosenPlayer->SetItemIndex(2);
  Form_Setup->Button1->click();
  Form_Setup->RadioGroup_ChosenPlayer->SetItemIndex(-1);
  Form_Setup->Button1->click();
  EXPECT_EQ(shown, (std::vector<QDialog*>{Form_Bino, Form_SPlayer}));
}

TEST_F(ShowListWindow, XAndEscCloseOnlyFromTheList) {
  List().Assign({"A", "B"});
  Select({1});
  const auto close = [&](QWidget* target, Qt::Key key, Qt::KeyboardModifiers modifiers) {
    Form_Setup->show();
    target->setFocus();
    KeyClick(target, key, modifiers);
    return !Form_Setup->isVisible();
  };
  EXPECT_TRUE(close(Form_Setup->ListBox1, Qt::Key_X, Qt::NoModifier));
  EXPECT_TRUE(close(Form_Setup->ListBox1, Qt::Key_X, Qt::ShiftModifier | Qt::ControlModifier));
  EXPECT_TRUE(close(Form_Setup->ListBox1, Qt::Key_Escape, Qt::AltModifier));
  EXPECT_TRUE(close(Form_Setup->ListBox1, Qt::Key_Escape, Qt::NoModifier));
  EXPECT_FALSE(close(Form_Setup->Button_Clear, Qt::Key_Escape, Qt::NoModifier));
  EXPECT_FALSE(close(Form_Setup->CheckBox_Loop, Qt::Key_Escape, Qt::NoModifier));
  EXPECT_FALSE(close(Form_Setup->Button_Clear, Qt::Key_X, Qt::NoModifier));
  EXPECT_FALSE(close(Form_Setup->ListBox1, Qt::Key_Down, Qt::NoModifier));
  Select({1});
  // Enter in the list clicks no button; on a button it clicks that one.
  Form_Setup->show();
  Form_Setup->ListBox1->setFocus();
  KeyClick(Form_Setup->ListBox1, Qt::Key_Return);
  EXPECT_TRUE(dialogs.requests.empty());
  EXPECT_TRUE(Form_Setup->isVisible());
  Form_Setup->Button_select->setFocus();
  KeyClick(Form_Setup->Button_select, Qt::Key_Return);
  EXPECT_EQ(dialogs.requests.size(), 1u);
  Select({1});
  // The close box closes too; closing changes nothing else.
  Form_Setup->show();
  Form_Setup->close();
  EXPECT_FALSE(Form_Setup->isVisible());
  EXPECT_EQ(List().Items(), (Items{"A", "B"}));
  EXPECT_EQ(Form_Setup->SelectedPositions(), std::vector<std::size_t>{1});
}
