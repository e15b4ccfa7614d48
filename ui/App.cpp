#include "ui/App.h"

#include "base/PathParts.h"
#include "core/settings/LanguageFile.h"
#include "core/settings/SettingsFile.h"
#include "core/show/ShowStateSettings.h"

#include "ui/players/BinoSettingsWindow.h"
#include "ui/players/SPlayerSettingsWindow.h"
#include "ui/show/FloatingValueWindow.h"
#include "ui/show/ShowWindow.h"
#include "ui/showlist/ShowListWindow.h"

App::App(Services& services) : services_(services) {
  binoWindow_ = std::make_unique<BinoSettingsWindow>(services_, list_);
  splayerWindow_ = std::make_unique<SPlayerSettingsWindow>(services_, list_);
  listWindow_ =
      std::make_unique<ShowListWindow>(services_, state_, list_, *binoWindow_, *splayerWindow_);
  floatingWindow_ = std::make_unique<FloatingValueWindow>(services_);
  SettingsStore& store = *this;
  showWindow_ =
      std::make_unique<ShowWindow>(services_, state_, list_, *listWindow_, *floatingWindow_, store);
  floatingWindow_->onValueEntered = [this](const std::string& value) {
    showWindow_->Controller().FloatingValueEntered(value);
  };
}

App::~App() {
  showWindow_.reset();
  floatingWindow_.reset();
  listWindow_.reset();
  splayerWindow_.reset();
  binoWindow_.reset();
}

void App::Load() {
  settings_ = LoadSettings(ProgramFileName(services_.exePath, ".INI"));
  ApplyShowSettings(settings_, state_);
  listWindow_->Apply(settings_);
  binoWindow_->Apply(settings_);
  splayerWindow_->Apply(settings_);

  const LanguageValues texts = LoadLanguage(ProgramFileName(services_.exePath, ".LNG"));
  showWindow_->ApplyTexts(texts);
  listWindow_->ApplyTexts(texts);
}

void App::Save() {
  // A failed settings save throws before the language file is touched.
  CollectShowSettings(state_, settings_);
  listWindow_->Collect(settings_);
  binoWindow_->Collect(settings_);
  splayerWindow_->Collect(settings_);
  SaveSettings(ProgramFileName(services_.exePath, ".INI"), settings_);

  LanguageValues texts;
  showWindow_->CollectTexts(texts);
  listWindow_->CollectTexts(texts);
  SaveLanguage(ProgramFileName(services_.exePath, ".LNG"), texts);
}
