#include "ui/App.h"

#include "ui/players/BinoSettingsWindow.h"
#include "ui/players/SPlayerSettingsWindow.h"
#include "ui/settings/LanguageFile.h"
#include "ui/settings/SettingsFile.h"
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
  LoadSettings(*this);
  LoadLanguage(*this);
}

void App::Save() {
  SaveSettings(*this);
  SaveLanguage(*this);
}
