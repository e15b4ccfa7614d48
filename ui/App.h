#pragma once
#include <memory>
#include <string>

#include "core/Services.h"
#include "core/settings/Settings.h"
#include "core/show/SettingsStore.h"
#include "core/show/ShowState.h"
#include "core/showlist/ShowList.h"

class BinoSettingsWindow;
class FloatingValueWindow;
class ShowListWindow;
class ShowWindow;
class SPlayerSettingsWindow;

// The application: owns the show's state, its list, the settings and the five windows, and hands
// each window what it needs. Nothing is read from disk when it is made; that waits for the show
// window's first activation. The files are written when the show window closes.
class App : private SettingsStore {
 public:
  explicit App(Services& services);
  ~App() override;
  App(const App&) = delete;
  App& operator=(const App&) = delete;

  ShowState& State() { return state_; }
  ShowList& List() { return list_; }
  ShowWindow& Show() { return *showWindow_; }
  ShowListWindow& ListWindow() { return *listWindow_; }
  BinoSettingsWindow& Bino() { return *binoWindow_; }
  SPlayerSettingsWindow& SPlayer() { return *splayerWindow_; }
  FloatingValueWindow& Floating() { return *floatingWindow_; }

 private:
  void Load() override;
  void Save() override;

  Services& services_;
  ShowState state_;
  ShowList list_;
  Settings settings_;
  // Made in this order, destroyed in the reverse one: each window gets those made before it.
  std::unique_ptr<BinoSettingsWindow> binoWindow_;
  std::unique_ptr<SPlayerSettingsWindow> splayerWindow_;
  std::unique_ptr<ShowListWindow> listWindow_;
  std::unique_ptr<FloatingValueWindow> floatingWindow_;
  std::unique_ptr<ShowWindow> showWindow_;
};
