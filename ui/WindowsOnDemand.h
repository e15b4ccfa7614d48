#pragma once

class BinoSettingsWindow;
class FloatingValueWindow;
class QWidget;
class ShowListWindow;
class ShowOptionsWindow;
class SPlayerSettingsWindow;

// The windows other than the show window, each built the first time it is asked for (the
// application implements it): none of them holds a value of its own, so none needs to exist
// before the operator opens it.
class WindowsOnDemand {
 public:
  virtual ShowListWindow& ListWindow() = 0;
  virtual FloatingValueWindow& FloatingWindow() = 0;
  virtual BinoSettingsWindow& BinoWindow() = 0;
  virtual SPlayerSettingsWindow& SPlayerWindow() = 0;
  virtual ShowOptionsWindow& OptionsWindow() = 0;
  // Whether `window` is the floating value window; never true before that window is built.
  virtual bool IsFloatingWindow(const QWidget* window) const = 0;

 protected:
  ~WindowsOnDemand() = default;
};
