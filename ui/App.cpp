#include "ui/App.h"

#include "ui/players/BinoSettingsWindow.h"
#include "ui/players/SPlayerSettingsWindow.h"
#include "ui/show/FloatingValueWindow.h"
#include "ui/show/ShowOptionsWindow.h"
#include "ui/show/ShowWindow.h"
#include "ui/showlist/ShowListWindow.h"
#ifdef QUADREL_REMOTE
#include "ui/remote/RemoteServer.h"
#endif

App::App(Services& services) : services_(services) {
  WindowsOnDemand& windows = *this;
  showWindow_ = std::make_unique<::ShowWindow>(services_, state_, windows);
  controller_ = std::make_unique<ShowController>(services_, state_, list_, values_,
                                                 showWindow_->View(), showWindow_->Runner());
  controller_->onFilesRead = [this] { ShowReadValues(); };
  showWindow_->SetController(*controller_);
#ifdef QUADREL_REMOTE
  remote_ = std::make_unique<RemoteServer>(services_, *controller_, values_.settings);
#endif
}

App::~App() {
#ifdef QUADREL_REMOTE
  remote_.reset();
#endif
  optionsWindow_.reset();
  floatingWindow_.reset();
  listWindow_.reset();
  splayerWindow_.reset();
  binoWindow_.reset();
  controller_.reset();
  showWindow_.reset();
}

void App::ShowReadValues() {
  showWindow_->ShowTexts(values_.texts);
  if (listWindow_) {
    listWindow_->ShowSettings();
    listWindow_->ShowTexts(values_.texts);
  }
  if (binoWindow_) binoWindow_->ShowSettings();
  if (splayerWindow_) splayerWindow_->ShowSettings();
  if (optionsWindow_) optionsWindow_->ShowSettings();
#ifdef QUADREL_REMOTE
  remote_->Apply();
#endif
}

ShowListWindow& App::ListWindow() {
  if (!listWindow_) {
    WindowsOnDemand& windows = *this;
    listWindow_ = std::make_unique<ShowListWindow>(services_, list_, values_.settings,
                                                   values_.texts, windows);
  }
  return *listWindow_;
}

FloatingValueWindow& App::FloatingWindow() {
  if (!floatingWindow_) {
    floatingWindow_ = std::make_unique<FloatingValueWindow>(services_);
    floatingWindow_->onValueEntered = [this](const std::string& value) {
      controller_->FloatingValueEntered(value);
    };
  }
  return *floatingWindow_;
}

BinoSettingsWindow& App::BinoWindow() {
  if (!binoWindow_)
    binoWindow_ = std::make_unique<BinoSettingsWindow>(services_, list_, values_.settings);
  return *binoWindow_;
}

SPlayerSettingsWindow& App::SPlayerWindow() {
  if (!splayerWindow_)
    splayerWindow_ = std::make_unique<SPlayerSettingsWindow>(services_, list_, values_.settings);
  return *splayerWindow_;
}

ShowOptionsWindow& App::OptionsWindow() {
  if (!optionsWindow_) {
    optionsWindow_ = std::make_unique<ShowOptionsWindow>(values_.settings, *services_.screen);
#ifdef QUADREL_REMOTE
    QObject::connect(optionsWindow_.get(), &ShowOptionsWindow::RemoteSettingsChanged, remote_.get(),
                     &RemoteServer::Apply);
    QObject::connect(remote_.get(), &RemoteServer::StatusChanged, optionsWindow_.get(),
                     &ShowOptionsWindow::ShowRemoteStatus);
    optionsWindow_->ShowRemoteStatus(remote_->Status());
#endif
  }
  return *optionsWindow_;
}

bool App::AnyWindowBuilt() const {
  return listWindow_ || floatingWindow_ || binoWindow_ || splayerWindow_ || optionsWindow_;
}

bool App::IsFloatingWindow(const QWidget* window) const {
  return floatingWindow_ && window == floatingWindow_.get();
}
