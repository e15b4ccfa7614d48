#pragma once
#include <memory>

#include "core/Services.h"
#include "core/settings/ProgramFiles.h"
#include "core/show/ShowController.h"
#include "core/show/ShowState.h"
#include "core/showlist/ShowList.h"
#include "ui/WindowsOnDemand.h"

class BinoSettingsWindow;
class RemoteServer;
class FloatingValueWindow;
class ShowListWindow;
class ShowOptionsWindow;
class ShowWindow;
class SPlayerSettingsWindow;

// The application: owns the show's state, its list, the settings and texts, the show's
// controller and the windows, and hands each what it needs.
//
// Only the show window and its controller are built with it: the show window first (it is the
// controller's view and owns the item runner), then the controller over it, handed back to the
// window. The other windows are built the first time they are asked for; each shows the settings
// and texts held here and writes its settings straight into them. Nothing is read from disk
// when the application is made: the controller reads the files at the show window's first
// activation and writes them at its close, never reading a window.
class App : private WindowsOnDemand {
 public:
  explicit App(Services& services);
  ~App();
  App(const App&) = delete;
  App& operator=(const App&) = delete;

  ShowState& State() { return state_; }
  ShowList& List() { return list_; }
  // The settings and language texts in force.
  ProgramValues& Values() { return values_; }
  ShowController& Controller() { return *controller_; }

  ::ShowWindow& ShowWindow() { return *showWindow_; }
  ShowListWindow& ListWindow() override;
  FloatingValueWindow& FloatingWindow() override;
  BinoSettingsWindow& BinoWindow() override;
  SPlayerSettingsWindow& SPlayerWindow() override;
  ShowOptionsWindow& OptionsWindow() override;
  // Whether a window other than the show window has been built.
  bool AnyWindowBuilt() const;

 private:
  bool IsFloatingWindow(const QWidget* window) const override;
  // The settings and texts have been read: the windows built so far show them.
  void ShowReadValues();

  Services& services_;
  ShowState state_;
  ShowList list_;
  ProgramValues values_;
  // Destroyed in the reverse order: the windows built on demand go before the show window and
  // its controller.
  std::unique_ptr<::ShowWindow> showWindow_;
  std::unique_ptr<ShowController> controller_;
  std::unique_ptr<BinoSettingsWindow> binoWindow_;
  std::unique_ptr<SPlayerSettingsWindow> splayerWindow_;
  std::unique_ptr<ShowListWindow> listWindow_;
  std::unique_ptr<FloatingValueWindow> floatingWindow_;
  std::unique_ptr<ShowOptionsWindow> optionsWindow_;
#ifdef QUADREL_REMOTE
  // Built with the program where the remote is, started once the settings are read; it goes
  // first, so that no command arrives while the windows go.
  std::unique_ptr<RemoteServer> remote_;
#endif
};
