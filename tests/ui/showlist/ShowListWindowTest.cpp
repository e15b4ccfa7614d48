#include <sys/stat.h>
#include <QCheckBox>
#include <QListView>
#include <QPushButton>
#include <QStyleFactory>
#include <QStyleOptionGroupBox>
#include <filesystem>
#include <memory>
#include "KeyClick.h"

#include "UiFixture.h"
#include "core/show/ShowState.h"
#include "core/showlist/ShowListFile.h"
#include "showlist/ShowListWindowAccess.h"
#include "ui/controls/RadioGroup.h"
#include "ui/players/BinoSettingsWindow.h"
#include "ui/players/SPlayerSettingsWindow.h"
#include "ui/showlist/ShowListModel.h"
#include "ui/showlist/ShowListWindow.h"

using Items = std::vector<std::string>;

namespace {

class ShowListWindowTest : public UiFixture {
 protected:
  ShowList& List() { return app->ListWindow().List(); }
  ShowListModel& Model() { return app->ListWindow().Model(); }
  void Select(std::initializer_list<int> rows) {
    auto* selection = Controls(app->ListWindow()).listView->selectionModel();
    selection->clearSelection();
    for (int row : rows) selection->select(Model().index(row), QItemSelectionModel::Select);
  }
  std::string File(const std::string& name) { return dir.file(name); }
};

}  // namespace

TEST_F(ShowListWindowTest, DesignSizePlacesAndTabOrder) {
  ShowListWindow& window = app->ListWindow();
  const ShowListWindow::TestAccess w(window);
  EXPECT_EQ(window.windowTitle(), "File list");
  EXPECT_EQ(window.size(), QSize(835, 722));
  EXPECT_EQ(w.listView->geometry(), QRect(0, 0, 691, 722));
  EXPECT_EQ(w.selectFilesButton->geometry(), QRect(698, 8, 129, 25));
  EXPECT_EQ(w.clearButton->geometry(), QRect(699, 41, 128, 25));
  EXPECT_EQ(w.clearAllButton->geometry(), QRect(698, 72, 129, 25));
  EXPECT_EQ(w.continuousBox->geometry(), QRect(698, 200, 129, 17));
  EXPECT_EQ(w.loopBox->geometry(), QRect(698, 232, 129, 17));
  EXPECT_EQ(w.playerGroup->geometry(), QRect(697, 408, 130, 82));
  EXPECT_EQ(w.makeScriptsButton->geometry(), QRect(698, 496, 129, 33));
  EXPECT_EQ(w.loadListButton->geometry(), QRect(698, 641, 129, 25));
  EXPECT_EQ(w.saveListButton->geometry(), QRect(698, 672, 129, 25));
  EXPECT_EQ(w.selectFilesButton->text(), "Select file(s)");
  EXPECT_EQ(w.makeScriptsButton->text(), "Make BAT/VBS");
  EXPECT_EQ(w.playerGroup->title(), "Chosen 3D player");
  EXPECT_EQ(w.playerGroup->Chosen(), 0);
  EXPECT_FALSE(w.continuousBox->isChecked());
  EXPECT_FALSE(w.loopBox->isChecked());
  EXPECT_EQ(w.listView->font().pixelSize(), 16);
  EXPECT_TRUE(w.listView->font().bold());
  EXPECT_EQ(w.listView->palette().color(QPalette::Base), QColor(Qt::black));
  EXPECT_EQ(w.listView->palette().color(QPalette::Text), QColor(Qt::white));
  EXPECT_EQ(w.saveListButton->font().family(), "Arial");
  EXPECT_EQ(window.font().pixelSize(), 11);
  EXPECT_EQ(w.listView->selectionMode(), QAbstractItemView::ExtendedSelection);

  // Tab order: the list, Select, Clear, Save, Load, Clear All, the boxes, Make, the radio group.
  std::vector<QWidget*> expected{w.listView,       w.selectFilesButton, w.clearButton,
                                 w.saveListButton, w.loadListButton,    w.clearAllButton,
                                 w.continuousBox,  w.loopBox,           w.makeScriptsButton};
  std::vector<QWidget*> chain;
  QWidget* at = w.listView;
  do {
    if (at->focusPolicy() & Qt::TabFocus) chain.push_back(at);
    at = at->nextInFocusChain();
  } while (at != w.listView && chain.size() < 50);
  ASSERT_GT(chain.size(), expected.size());
  EXPECT_EQ(std::vector<QWidget*>(chain.begin(), chain.begin() + 9), expected);
  EXPECT_TRUE(w.playerGroup->isAncestorOf(chain[9]));
}

TEST_F(ShowListWindowTest, ResizeKeepsTheRightEdgeDistances) {
  app->ListWindow().show();
  app->ListWindow().resize(1000, 800);
  EXPECT_EQ(Controls(app->ListWindow()).listView->geometry(), QRect(0, 0, 856, 800));
  EXPECT_EQ(Controls(app->ListWindow()).selectFilesButton->geometry(), QRect(863, 8, 129, 25));
  EXPECT_EQ(Controls(app->ListWindow()).clearButton->geometry(), QRect(864, 41, 128, 25));
  EXPECT_EQ(Controls(app->ListWindow()).playerGroup->geometry(), QRect(862, 408, 130, 82));
  app->ListWindow().resize(600, 500);
  EXPECT_EQ(Controls(app->ListWindow()).listView->geometry(), QRect(0, 0, 456, 500));
  EXPECT_EQ(Controls(app->ListWindow()).saveListButton->geometry(), QRect(463, 672, 129, 25));
}

namespace {

// Pixels of the "Chosen 3D player" caption drawn white (or nearly) under `style`.
int WhiteCaptionPixels(RadioGroup* group, QStyle* style) {
  group->setStyle(style);
  QStyleOptionGroupBox option;
  option.initFrom(group);
  option.text = group->title();
  option.textAlignment = group->alignment();
  option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
  const QRect caption =
      style->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, group);
  const QImage image = group->grab().toImage();
  int white = 0;
  for (int y = caption.top(); y <= caption.bottom(); ++y)
    for (int x = caption.left(); x <= caption.right(); ++x) {
      const QColor c = image.pixelColor(x, y);
      if (c.red() > 200 && c.green() > 200 && c.blue() > 200) ++white;
    }
  return white;
}

}  // namespace

TEST_F(ShowListWindowTest, ChosenPlayerCaptionIsWhiteOnBlackUnderEveryStyle) {
  RadioGroup* group = Controls(app->ListWindow()).playerGroup;
  int styles = 0;
  for (const char* name : {"Windows", "Fusion"}) {
    const std::unique_ptr<QStyle> style(QStyleFactory::create(QString::fromLatin1(name)));
    if (!style) continue;
    ++styles;
    EXPECT_GT(WhiteCaptionPixels(group, style.get()), 15) << name;
    group->setStyle(nullptr);
  }
  EXPECT_EQ(styles, 2) << "Qt offers the Windows and Fusion styles on every system";
}

TEST_F(ShowListWindowTest, SelectAppendsEveryChosenFileInTheDialogsOrder) {
  List().Assign({"first.avi"});
  std::filesystem::create_directories(dir.path() / "clips");
  dialogs.answers.push_back({File("b.avi"), (dir.path() / "clips" / "a.bat").string(),
                             File("b.avi"), File("missing.mpg")});
  Controls(app->ListWindow()).selectFilesButton->click();
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
  Controls(app->ListWindow()).selectFilesButton->click();
  ASSERT_EQ(dialogs.requests.size(), 2u);
  EXPECT_EQ(dialogs.requests[1].fileName, File("b.avi"));
  EXPECT_EQ(List().Count(), 5);
  EXPECT_TRUE(messages.errors.empty());
}

TEST_F(ShowListWindowTest, LoadReplacesTheListAndCancelKeepsIt) {
  dir.write("two.shl", "x.avi\r\n..\\y.bat\r\n");
  List().Assign({"1", "2", "3", "4", "5"});
  dialogs.answers.push_back({File("two.shl")});
  Controls(app->ListWindow()).loadListButton->click();
  EXPECT_EQ(List().Items(), (Items{"x.avi", R"(..\y.bat)"}));
  ASSERT_EQ(dialogs.requests.size(), 1u);
  EXPECT_EQ(dialogs.requests[0].filter, "3D show list (*.shl)|*.shl|All files (*.*)|*.*");
  EXPECT_EQ(dialogs.requests[0].defaultExt, "shl");
  EXPECT_EQ(dialogs.requests[0].title, "");
  EXPECT_FALSE(dialogs.requests[0].multiSelect);
  EXPECT_FALSE(dialogs.requests[0].save);

  Controls(app->ListWindow()).loadListButton->click();  // cancelled
  EXPECT_EQ(List().Items(), (Items{"x.avi", R"(..\y.bat)"}));
  EXPECT_EQ(dialogs.requests[1].fileName, File("two.shl"));

  // A name that cannot be opened: the error report, and the list as it was.
  dialogs.answers.push_back({File("gone.shl")});
  Controls(app->ListWindow()).loadListButton->click();
  EXPECT_EQ(List().Items(), (Items{"x.avi", R"(..\y.bat)"}));
  ASSERT_EQ(messages.errors.size(), 1u);
  EXPECT_EQ(messages.errors[0].first, "quadrel");
  EXPECT_NE(messages.errors[0].second.find("Cannot open file \"" + File("gone.shl") + "\""),
            std::string::npos);
  EXPECT_EQ(dialogs.requests[2].fileName, File("two.shl"));
  Controls(app->ListWindow()).loadListButton->click();
  EXPECT_EQ(dialogs.requests[3].fileName, File("gone.shl"));
}

TEST_F(ShowListWindowTest, LoadOfAListCutByANulWarnsAndKeepsTheFileWhole) {
  using namespace std::string_literals;
  const std::string bytes = "x.avi\r\ny\0z.avi\r\n"s;
  dir.write("cut.shl", bytes);
  dialogs.answers.push_back({File("cut.shl")});
  Controls(app->ListWindow()).loadListButton->click();
  EXPECT_EQ(List().Items(), (Items{"x.avi", "y"}));
  EXPECT_TRUE(messages.errors.empty());
  ASSERT_EQ(messages.warnings.size(), 1u);
  EXPECT_EQ(messages.warnings[0].first, "quadrel");
  EXPECT_NE(messages.warnings[0].second.find("NUL byte in line 2: only the 2 items"),
            std::string::npos);
  EXPECT_EQ(dir.read("cut.shl.nul-cut"), bytes);

  // Saving the loaded list over the file loses nothing: the copy still holds the rest.
  dialogs.answers.push_back({File("cut.shl")});
  Controls(app->ListWindow()).saveListButton->click();
  EXPECT_EQ(dir.read("cut.shl"), "x.avi\r\ny\r\n");
  EXPECT_EQ(dir.read("cut.shl.nul-cut"), bytes);
}

TEST_F(ShowListWindowTest, LoadRefusesWhatIsNoRegularFileWithoutBlocking) {
  List().Assign({"kept.avi"});
  const std::string fifo = File("pipe.shl");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  for (const std::string& chosen : {fifo, std::string("/dev/zero")}) {
    messages.errors.clear();
    dialogs.answers.push_back({chosen});
    Controls(app->ListWindow())
        .loadListButton->click();  // a blocking read would hang the suite here
    ASSERT_EQ(messages.errors.size(), 1u);
    EXPECT_EQ(messages.errors[0].second,
              "Cannot open file \"" + chosen + "\". Not a regular file.");
    EXPECT_EQ(List().Items(), Items{"kept.avi"});
  }
}

TEST_F(ShowListWindowTest, SaveThenLoadGivesTheSameList) {
  const Items items{"intro.avi", "",
                    R"(clips\caf)"
                    "\xE9"
                    R"( film.mpg)",
                    "  spaced  ", "intro.avi"};
  List().Assign(items);
  dialogs.answers.push_back({File("show.shl")});
  Controls(app->ListWindow()).saveListButton->click();
  EXPECT_EQ(dir.read("show.shl"), FormatShowList(items));
  ASSERT_EQ(dialogs.requests.size(), 1u);
  EXPECT_EQ(dialogs.requests[0].filter, "3D show list (*.shl)|*.shl");
  EXPECT_EQ(dialogs.requests[0].defaultExt, "shl");
  EXPECT_TRUE(dialogs.requests[0].save);
  EXPECT_EQ(List().Items(), items);

  List().Assign({"other"});
  dialogs.answers.push_back({File("show.shl")});
  Controls(app->ListWindow()).loadListButton->click();
  EXPECT_EQ(List().Items(), items);

  // Cancelled: nothing written; the dialog reopens with the name last chosen in it.
  const std::string before = dir.listing();
  Controls(app->ListWindow()).saveListButton->click();
  EXPECT_EQ(dir.listing(), before);
  EXPECT_EQ(dialogs.requests.back().fileName, File("show.shl"));

  // Saving over an existing file replaces it; an empty list gives zero bytes.
  List().Assign({});
  dialogs.answers.push_back({File("show.shl")});
  Controls(app->ListWindow()).saveListButton->click();
  EXPECT_EQ(dir.read("show.shl"), "");

  // A target that cannot be created: the error report; nothing else changes.
  std::filesystem::create_directory(dir.path() / "folder.shl");
  List().Assign({"kept"});
  dialogs.answers.push_back({File("folder.shl")});
  Controls(app->ListWindow()).saveListButton->click();
  ASSERT_EQ(messages.errors.size(), 1u);
  EXPECT_NE(messages.errors[0].second.find("Cannot create file"), std::string::npos);
  EXPECT_EQ(List().Items(), Items{"kept"});
  EXPECT_TRUE(std::filesystem::is_directory(dir.path() / "folder.shl"));
}

TEST_F(ShowListWindowTest, ClearRemovesTheSelectedItems) {
  List().Assign({"A", "B", "C", "D", "E"});
  Controls(app->ListWindow()).clearButton->click();  // nothing selected
  EXPECT_EQ(List().Count(), 5);
  Select({1, 3});
  Controls(app->ListWindow()).clearButton->click();
  EXPECT_EQ(List().Items(), (Items{"A", "C", "E"}));
  EXPECT_TRUE(app->ListWindow().SelectedPositions().empty());
  Select({0, 1});
  Controls(app->ListWindow()).clearButton->click();
  EXPECT_EQ(List().Items(), Items{"E"});

  List().Assign({"A", "B", "C"});
  Select({1});
  Controls(app->ListWindow()).clearAllButton->click();
  EXPECT_EQ(List().Count(), 0);
  Controls(app->ListWindow()).clearAllButton->click();
  EXPECT_EQ(List().Count(), 0);
}

TEST_F(ShowListWindowTest, ClearOfAHalfMillionSelectedKeepsTheRest) {
  std::vector<std::string> items;
  for (int i = 0; i < 1000000; ++i) items.push_back(std::to_string(i));
  List().Assign(std::move(items));
  // A Shift-range over the middle half.
  Controls(app->ListWindow())
      .listView->selectionModel()
      ->select(QItemSelection(Model().index(250000), Model().index(749999)),
               QItemSelectionModel::Select);
  Controls(app->ListWindow()).clearButton->click();
  ASSERT_EQ(List().Count(), 500000);
  EXPECT_EQ(List().Item(249999), "249999");
  EXPECT_EQ(List().Item(250000), "750000");
}

TEST_F(ShowListWindowTest, CheckBoxesWriteThePlayOptionsTheShowReads) {
  const Settings& settings = app->Values().settings;
  Controls(app->ListWindow()).continuousBox->click();
  EXPECT_TRUE(settings.continuousMode);
  EXPECT_FALSE(settings.loopAll);
  Controls(app->ListWindow()).loopBox->setChecked(true);
  EXPECT_TRUE(settings.loopAll);
  Controls(app->ListWindow()).continuousBox->setChecked(false);
  EXPECT_FALSE(settings.continuousMode);
  Controls(app->ListWindow()).loopBox->click();
  EXPECT_FALSE(settings.loopAll);
}

TEST_F(ShowListWindowTest, MakeBatVbsOpensTheChosenPlayersWindow) {
  std::vector<QDialog*> shown;
  app->ListWindow().ShowModal = [&](QDialog& window) { shown.push_back(&window); };
  Controls(app->ListWindow()).makeScriptsButton->click();  // "Bino" is chosen at start
  Controls(app->ListWindow()).playerGroup->Choose(1);
  Controls(app->ListWindow()).makeScriptsButton->click();
  Controls(app->ListWindow()).playerGroup->Choose(2);
  Controls(app->ListWindow()).makeScriptsButton->click();
  Controls(app->ListWindow()).playerGroup->Choose(-1);
  Controls(app->ListWindow()).makeScriptsButton->click();
  EXPECT_EQ(shown, (std::vector<QDialog*>{&app->BinoWindow(), &app->SPlayerWindow()}));
}

TEST_F(ShowListWindowTest, XAndEscCloseOnlyFromTheList) {
  List().Assign({"A", "B"});
  Select({1});
  const auto close = [&](QWidget* target, Qt::Key key, Qt::KeyboardModifiers modifiers) {
    app->ListWindow().show();
    target->setFocus();
    KeyClick(target, key, modifiers);
    return !app->ListWindow().isVisible();
  };
  EXPECT_TRUE(close(Controls(app->ListWindow()).listView, Qt::Key_X, Qt::NoModifier));
  EXPECT_TRUE(close(Controls(app->ListWindow()).listView, Qt::Key_X,
                    Qt::ShiftModifier | Qt::ControlModifier));
  EXPECT_TRUE(close(Controls(app->ListWindow()).listView, Qt::Key_Escape, Qt::AltModifier));
  EXPECT_TRUE(close(Controls(app->ListWindow()).listView, Qt::Key_Escape, Qt::NoModifier));
  EXPECT_FALSE(close(Controls(app->ListWindow()).clearButton, Qt::Key_Escape, Qt::NoModifier));
  EXPECT_FALSE(close(Controls(app->ListWindow()).loopBox, Qt::Key_Escape, Qt::NoModifier));
  EXPECT_FALSE(close(Controls(app->ListWindow()).clearButton, Qt::Key_X, Qt::NoModifier));
  EXPECT_FALSE(close(Controls(app->ListWindow()).listView, Qt::Key_Down, Qt::NoModifier));
  Select({1});
  // Enter in the list clicks no button; on a button it clicks that one.
  app->ListWindow().show();
  Controls(app->ListWindow()).listView->setFocus();
  KeyClick(Controls(app->ListWindow()).listView, Qt::Key_Return);
  EXPECT_TRUE(dialogs.requests.empty());
  EXPECT_TRUE(app->ListWindow().isVisible());
  Controls(app->ListWindow()).selectFilesButton->setFocus();
  KeyClick(Controls(app->ListWindow()).selectFilesButton, Qt::Key_Return);
  EXPECT_EQ(dialogs.requests.size(), 1u);
  Select({1});
  // The close box closes too; closing changes nothing else.
  app->ListWindow().show();
  app->ListWindow().close();
  EXPECT_FALSE(app->ListWindow().isVisible());
  EXPECT_EQ(List().Items(), (Items{"A", "B"}));
  EXPECT_EQ(app->ListWindow().SelectedPositions(), std::vector<std::size_t>{1});
}
