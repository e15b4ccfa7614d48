// The settings and texts through the real application: read at the show window's first
// activation, shown by the windows built on demand, changed through their controls and written
// at the close, byte for byte.
#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <filesystem>

#include "UiFixture.h"
#include "core/settings/LanguageFile.h"
#include "core/settings/SettingsFile.h"
#include "core/settings/SettingsKeys.h"
#include "core/show/ShowStateSettings.h"
#include "players/PlayerWindowsTestAccess.h"
#include "show/FloatingWindowTestAccess.h"
#include "show/ShowOptionsWindowTestAccess.h"
#include "showlist/ShowListWindowAccess.h"
#include "ui/controls/ComboBox.h"
#include "ui/controls/LinesDisplay.h"
#include "ui/controls/RadioGroup.h"
#include "ui/players/BinoSettingsWindow.h"
#include "ui/players/SPlayerSettingsWindow.h"
#include "ui/show/FloatingValueWindow.h"
#include "ui/show/ShowOptionsWindow.h"
#include "ui/show/ShowWindow.h"
#include "ui/showlist/ShowListWindow.h"

namespace fs = std::filesystem;

namespace {

// An address no computer has (TEST-NET-1), for the remote to listen at.
constexpr const char* kAbsentAddress = "192.0.2.7";

// What the settings controls of some windows show, in the order of their children: choices,
// ticks and spin boxes as numbers, edit fields as texts.
struct ControlValues {
  std::vector<int> numbers;
  std::vector<QString> texts;
  bool operator==(const ControlValues&) const = default;
};

std::vector<QWidget*> SettingsControls(const std::vector<QWidget*>& windows) {
  std::vector<QWidget*> controls;
  for (QWidget* window : windows) {
    for (QWidget* child : window->findChildren<QWidget*>()) {
      // A drop-down box's or spin box's own edit field is part of that control.
      const bool innerEdit = qobject_cast<QComboBox*>(child->parent()) != nullptr ||
                             qobject_cast<QAbstractSpinBox*>(child->parent()) != nullptr;
      if (qobject_cast<RadioGroup*>(child) || qobject_cast<ComboBox*>(child) ||
          qobject_cast<QCheckBox*>(child) || qobject_cast<QSpinBox*>(child) ||
          (qobject_cast<QLineEdit*>(child) && !innerEdit))
        controls.push_back(child);
    }
  }
  return controls;
}

ControlValues Shown(const std::vector<QWidget*>& windows) {
  ControlValues values;
  for (QWidget* control : SettingsControls(windows)) {
    if (auto* group = qobject_cast<RadioGroup*>(control))
      values.numbers.push_back(group->Chosen());
    else if (auto* box = qobject_cast<ComboBox*>(control))
      values.numbers.push_back(box->Chosen());
    else if (auto* check = qobject_cast<QCheckBox*>(control))
      values.numbers.push_back(check->isChecked() ? 1 : 0);
    else if (auto* spin = qobject_cast<QSpinBox*>(control))
      values.numbers.push_back(spin->value());
    else
      values.texts.push_back(qobject_cast<QLineEdit*>(control)->text());
  }
  return values;
}

// Sets every control as the operator would, one after the other.
void Enter(const std::vector<QWidget*>& windows, const ControlValues& values) {
  std::size_t number = 0;
  std::size_t text = 0;
  for (QWidget* control : SettingsControls(windows)) {
    if (auto* group = qobject_cast<RadioGroup*>(control))
      group->Choose(values.numbers.at(number++));
    else if (auto* box = qobject_cast<ComboBox*>(control))
      box->Choose(values.numbers.at(number++));
    else if (auto* check = qobject_cast<QCheckBox*>(control))
      check->setChecked(values.numbers.at(number++) != 0);
    else if (auto* spin = qobject_cast<QSpinBox*>(control))
      spin->setValue(values.numbers.at(number++));
    else
      qobject_cast<QLineEdit*>(control)->setText(values.texts.at(text++));
  }
}

// Settings{} with every key away from its default: flags flipped, indexes moved within every
// control's range, texts unique; the floating value a number, the remote's values of their kind.
Settings EveryKeyChanged() {
  Settings settings;
  for (const SettingKey& key : SettingsKeys()) {
    std::visit(
        [&](auto member) {
          using Value = std::remove_reference_t<decltype(settings.*member)>;
          if constexpr (std::is_same_v<Value, bool>)
            settings.*member = !(settings.*member);
          else if constexpr (std::is_same_v<Value, int32_t>)
            settings.*member = settings.*member == 0 ? 1 : 0;
          else
            settings.*member = std::string("text of ") + key.key;
        },
        key.field);
  }
  settings.floatingValueText = "2.5";
  settings.venueScreen = "all";
  settings.remoteListen = kAbsentAddress;
  settings.remoteOscPort = 9000;
  settings.remoteWebPort = 8080;
  settings.remotePin = "246810";
  settings.remoteOscSenders = "192.0.2.10, 198.51.100.20";
#ifndef QUADREL_REMOTE
  // Built without the remote, only GO protection of its section has a control.
  const Settings first;
  settings.remoteEnabled = first.remoteEnabled;
  settings.remoteListen = first.remoteListen;
  settings.remoteOscPort = first.remoteOscPort;
  settings.remoteWebPort = first.remoteWebPort;
  settings.remotePin = first.remotePin;
  settings.remoteOscSenders = first.remoteOscSenders;
#endif
  return settings;
}

class WindowSettings : public UiFixture {
 protected:
  // Every window but the show window, built now.
  std::vector<QWidget*> OtherWindows() {
    return {&app->ListWindow(), &app->BinoWindow(), &app->SPlayerWindow(), &app->OptionsWindow()};
  }
  void Close() { ASSERT_TRUE(app->ShowWindow().close()); }
  // A new run of the program in the same folder.
  void Restart() {
    app.reset();
    app = std::make_unique<App>(services);
  }
  void TypeFloatingValue(const QString& value) {
    FloatingControls controls(app->FloatingWindow());
    controls.valueEdit->setText(value);
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(controls.valueEdit, &press);
  }
};

}  // namespace

// A file with every key away from its default is shown by the controls and written back as it
// was; the same values entered through the controls of a first run write the same bytes. A
// control that is not bound to its key, either way, changes the file.
TEST_F(WindowSettings, EveryKeyGoesThroughItsControlAndBackByteForByte) {
  SaveSettings(ProgramFile(".INI"), EveryKeyChanged());
  const std::string file = dir.read("quadrel.INI");
  Activate();
  EXPECT_FALSE(app->AnyWindowBuilt());  // nothing but the show window before it is needed
  const ControlValues shown = Shown(OtherWindows());
  EXPECT_TRUE(OptionsControls(app->OptionsWindow()).allScreens->isChecked());
#ifdef QUADREL_REMOTE
  EXPECT_EQ(
      RemoteControls(*OptionsControls(app->OptionsWindow()).remoteGroup).listenList->currentText(),
      QString(kAbsentAddress) + " (not on this computer)");
#endif
  Close();
  EXPECT_EQ(dir.read("quadrel.INI"), file);

  Restart();
  fs::remove(ProgramFile(".INI"));
  Activate();
  ASSERT_NE(Shown(OtherWindows()), shown);
#ifdef QUADREL_REMOTE
  // A computer that has the address, so that the operator can choose it.
  RemoteControls remote(*OptionsControls(app->OptionsWindow()).remoteGroup);
  remote.OfferAddresses({{kAbsentAddress, "eth0"}});
  app->OptionsWindow().ShowSettings();
  remote.listenList->setCurrentIndex(1);
#endif
  Enter(OtherWindows(), shown);
  OptionsControls(app->OptionsWindow()).allScreens->click();
  for (Key key : {Key::I, Key::H, Key::S}) app->ShowWindow().KeyDown(key);
  TypeFloatingValue("2.5");
  Close();
  EXPECT_EQ(dir.read("quadrel.INI"), file);
}

// Odd indexes come back as the controls hold them, whether or not a window was opened; a text
// that is no valid text here goes back as the very bytes read, unless it is edited.
TEST_F(WindowSettings, OddFileIsWrittenTheSameWithAndWithoutItsWindows) {
  const std::string odd =
      "[Bino]\r\nVideoInput=99\r\nVideoOutput=-5\r\nSub_Encoding=-1\r\nSub_Font=500\r\n"
      "BinoLocation=C:\\Vid\xe9os\\bino.exe\r\nCrossTalkR=\xff\r\n[SPlayer]\r\nParallax=\xe4\r\n"
      "[Setup Parameters]\r\nContinuous=1\r\nVideoPlayer=7\r\n";
  dir.write("quadrel.INI", odd);
  Activate();
  Close();
  const std::string unopened = dir.read("quadrel.INI");
  EXPECT_NE(unopened.find("VideoInput=11\r\n"), std::string::npos);
  EXPECT_NE(unopened.find("VideoPlayer=2\r\n"), std::string::npos);
  EXPECT_NE(unopened.find("CrossTalkR=\xff\r\n"), std::string::npos);

  Restart();
  dir.write("quadrel.INI", odd);
  Activate();
  OtherWindows();
  Close();
  EXPECT_EQ(dir.read("quadrel.INI"), unopened);

  Restart();
  Activate();
  BinoControls(app->BinoWindow()).locationEdit->setText("D:\\bino.exe");
  Close();
  EXPECT_NE(dir.read("quadrel.INI").find("BinoLocation=D:\\bino.exe\r\n"), std::string::npos);
}

// Filling a control runs none of its handlers: the list window's boxes do not start a show,
// and the Bino window greys out for Bino 2 chosen in the file all the same.
TEST_F(WindowSettings, FillingRunsNoHandlerAndTheBoxesWriteThePlayOptions) {
  dir.write("quadrel.INI", "[Setup Parameters]\r\nContinuous=1\r\n[Bino]\r\nBinoVersion=2\r\n");
  Activate();
  const ShowListWindow::TestAccess list = Controls(app->ListWindow());
  EXPECT_TRUE(list.continuousBox->isChecked());
  EXPECT_FALSE(BinoControls(app->BinoWindow()).subtitlesBox->isEnabled());
  list.loopBox->click();
  list.continuousBox->click();
  EXPECT_TRUE(app->Values().settings.loopAll);
  EXPECT_FALSE(app->Values().settings.continuousMode);
  list.playerGroup->Button(1)->click();
  EXPECT_EQ(app->Values().settings.chosenPlayer, 1);
}

// A non-default language file: shown by the windows and written back byte for byte.
TEST_F(WindowSettings, LanguageFileIsShownAndWrittenBackAsRead) {
  LanguageValues texts;
  for (std::size_t i = 0; i < kHelpLineCount; ++i) texts.help[i] = "help " + std::to_string(i);
  for (std::size_t i = 0; i < kListWindowTextCount; ++i)
    texts.listWindow[i] = "list " + std::to_string(i);
  texts.help[3] = "Datei \xe4";  // bytes of another code page: no valid text here
  texts.listWindow[0] = "Liste \xe4";
  SaveLanguage(ProgramFile(".LNG"), texts);
  const std::string file = dir.read("quadrel.LNG");
  ShowListWindow& early = app->ListWindow();  // built before the reading: shown afresh
  EXPECT_EQ(early.windowTitle(), "File list");
  Activate();
  EXPECT_EQ(ShowControls().helpLeft()->Line(0), "help 0");
  EXPECT_EQ(ShowControls().helpRight()->Line(14), "help 14");
  EXPECT_EQ(Controls(early).loopBox->text(), "list 7");
  EXPECT_EQ(Controls(early).selectFilesButton->text(), "list 1");
  Close();
  EXPECT_EQ(dir.read("quadrel.LNG"), file);
}

// A first run writes the files of the defaults and built-in texts, byte for byte.
TEST_F(WindowSettings, FirstRunWritesTheDefaultFiles) {
  Activate();
  EXPECT_EQ(BinoControls(app->BinoWindow()).videoOutputGroup->Chosen(), 4);
  EXPECT_EQ(SPlayerControls(app->SPlayerWindow()).videoOutputGroup->Chosen(), 6);
  EXPECT_EQ(ShowControls().helpLeft()->Line(0), "H : Toggle help");
  Close();
  const std::string settings = dir.read("quadrel.INI");
  const std::string language = dir.read("quadrel.LNG");
  SaveSettings(dir.file("expected.INI"), Settings());
  SaveLanguage(dir.file("expected.LNG"), BuiltInLanguage());
  EXPECT_EQ(settings, dir.read("expected.INI"));
  EXPECT_EQ(language, dir.read("expected.LNG"));
}
