#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>

#include "UiFixture.h"
#include "core/settings/LanguageFile.h"
#include "core/settings/SettingsFile.h"
#include "core/settings/SettingsKeys.h"
#include "core/show/ShowStateSettings.h"
#include "showlist/ShowListWindowAccess.h"
#include "ui/controls/ComboBox.h"
#include "ui/controls/LinesDisplay.h"
#include "ui/controls/RadioGroup.h"
#include "ui/players/BinoSettingsWindow.h"
#include "ui/players/SPlayerSettingsWindow.h"
#include "ui/show/ShowWindow.h"
#include "ui/showlist/ShowListWindow.h"

namespace {

class WindowSettings : public UiFixture {
 protected:
  // Settings to the show state and the windows, as the first activation does.
  void ApplyAll(const Settings& settings) {
    ApplyShowSettings(settings, app->State());
    app->ListWindow().Apply(settings);
    app->Bino().Apply(settings);
    app->SPlayer().Apply(settings);
  }
  // What the close would write, collected into a fresh struct.
  Settings CollectAll() {
    Settings settings;
    CollectShowSettings(app->State(), settings);
    app->ListWindow().Collect(settings);
    app->Bino().Collect(settings);
    app->SPlayer().Collect(settings);
    return settings;
  }
};

// Settings{} with one key changed: flags flipped, indexes moved within every control's range,
// texts made unique.
Settings WithOneKeyChanged(const SettingKey& key) {
  Settings settings;
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
  return settings;
}

}  // namespace

// Each key alone away from its default comes back through the controls: a key put into one
// control and taken from another shows, and so does a key no window handles.
TEST_F(WindowSettings, EveryKeyComesBackThroughItsControl) {
  for (const SettingKey& key : SettingsKeys()) {
    const Settings settings = WithOneKeyChanged(key);
    ApplyAll(settings);
    EXPECT_EQ(CollectAll(), settings) << key.section << " / " << key.key;
  }
  ApplyAll(Settings());
  EXPECT_EQ(CollectAll(), Settings());
}

TEST_F(WindowSettings, IndexesFollowTheControlsRulesAndBoxesRunTheirHandlers) {
  Settings settings;
  settings.binoVideoInput = 99;
  settings.binoVideoOutput = -5;
  settings.binoSubtitleEncoding = -1;
  settings.binoSubtitleFont = 500;
  settings.continuousMode = true;
  settings.binoVersion = 2;
  ApplyAll(settings);
  auto* input = app->Bino().videoInputGroup;
  EXPECT_EQ(input->ItemIndex(), input->Count() - 1);
  EXPECT_EQ(app->Bino().videoOutputGroup->ItemIndex(), -1);
  EXPECT_EQ(app->Bino().subEncodingCombo->ItemIndex(), -1);
  EXPECT_EQ(app->Bino().subFontCombo->ItemIndex(), -1);
  EXPECT_TRUE(app->State().continuousMode);             // the box's handler copied it
  EXPECT_FALSE(app->Bino().subtitlesBox->isEnabled());  // the version's handler greyed it
  const Settings collected = CollectAll();
  EXPECT_EQ(collected.binoVideoInput, input->Count() - 1);
  EXPECT_EQ(collected.binoVideoOutput, -1);
  EXPECT_EQ(collected.binoSubtitleFont, -1);
  EXPECT_TRUE(collected.continuousMode);
}

TEST_F(WindowSettings, StoredBytesGoBackUnchangedAndEditedTextsAsTyped) {
  // Bytes written on a system with another 8-bit code page: not valid text here.
  Settings settings;
  settings.binoLocation = "C:\\Vid\xe9os\\bino.exe";
  settings.binoCrossTalkR = "\xff";
  settings.splayerParallax = "\xe4";
  ApplyAll(settings);
  LanguageValues texts = BuiltInLanguage();
  texts.help[3] = "Datei \xe4";
  texts.setup[0] = "Liste \xe4";
  app->Show().ApplyTexts(texts);
  app->ListWindow().ApplyTexts(texts);
  EXPECT_EQ(CollectAll(), settings);
  LanguageValues collected;
  app->Show().CollectTexts(collected);
  app->ListWindow().CollectTexts(collected);
  EXPECT_EQ(collected, texts);

  app->Bino().locationEdit->setText("D:\\bino.exe");
  EXPECT_EQ(CollectAll().binoLocation, "D:\\bino.exe");
}

// Every text lands in its own control and comes back; the right help display copies the left.
TEST_F(WindowSettings, EveryTextComesBackThroughItsControl) {
  LanguageValues texts;
  for (std::size_t i = 0; i < kHelpLineCount; ++i) texts.help[i] = "help " + std::to_string(i);
  for (std::size_t i = 0; i < kSetupTextCount; ++i) texts.setup[i] = "setup " + std::to_string(i);
  app->Show().ApplyTexts(texts);
  app->ListWindow().ApplyTexts(texts);
  for (int i = 0; i < static_cast<int>(kHelpLineCount); ++i)
    EXPECT_EQ(app->Show().helpRight->Line(i), texts.help[static_cast<std::size_t>(i)]);
  EXPECT_EQ(app->ListWindow().windowTitle(), "setup 0");
  EXPECT_EQ(Controls(app->ListWindow()).loopBox->text(), "setup 7");
  LanguageValues collected;
  app->Show().CollectTexts(collected);
  app->ListWindow().CollectTexts(collected);
  EXPECT_EQ(collected, texts);
}

// A first run writes the files of the defaults and built-in texts, byte for byte.
TEST_F(WindowSettings, FirstRunWritesTheDefaultFiles) {
  Activate();
  EXPECT_EQ(app->Bino().videoOutputGroup->ItemIndex(), 4);
  EXPECT_EQ(app->SPlayer().videoOutputGroup->ItemIndex(), 6);
  EXPECT_EQ(app->Show().helpLeft->Line(0), "H : Toggle help");
  ASSERT_TRUE(app->Show().close());
  const std::string settings = dir.read("quadrel.INI");
  const std::string language = dir.read("quadrel.LNG");
  SaveSettings(dir.file("expected.INI"), Settings());
  SaveLanguage(dir.file("expected.LNG"), BuiltInLanguage());
  EXPECT_EQ(settings, dir.read("expected.INI"));
  EXPECT_EQ(language, dir.read("expected.LNG"));
}
