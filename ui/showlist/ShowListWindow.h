#pragma once
#include <QDialog>
#include <QRect>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <utility>
#include <vector>

#include "core/Services.h"
#include "core/host/FileDialogs.h"
#include "core/showlist/ShowList.h"
#include "ui/controls/SettingBindings.h"

class QCheckBox;
class QPushButton;
class ShowListModel;
class ShowListView;
class RadioGroup;
class WindowsOnDemand;
struct LanguageValues;
struct Settings;
enum class ListWindowText : uint8_t;

// The show list window, where the operator assembles the show list: the list view with its
// selection and drag-move, and the buttons that add, remove, load and save items.
class ShowListWindow : public QDialog {
  Q_OBJECT
 public:
  // The play options and the chosen player show and write their fields of `settings`; the
  // title and captions are `texts`. "Make BAT/VBS" shows the chosen player's window.
  ShowListWindow(Services& services, ShowList& list, Settings& settings,
                 const LanguageValues& texts, WindowsOnDemand& windows);

  // The three dialogs; each keeps the name last chosen in it and opens with it again.
  host::FileDialogRequest selectFilesDialog;
  host::FileDialogRequest loadListDialog;
  host::FileDialogRequest saveListDialog;

  // The show list the window edits, and the rows its view shows of it.
  ShowList& List() const { return list_; }
  ShowListModel& Model() const { return *model_; }
  // Positions of the selected items, ascending.
  std::vector<std::size_t> SelectedPositions() const;

  // How the player settings windows are shown modally; tests replace it so nothing blocks.
  std::function<void(QDialog&)> ShowModal;

  void SelectFiles();
  void ClearSelected();
  void ClearAll();
  void LoadList();
  void SaveList();
  void MakeScripts();

  // Shows the settings' values and the texts again, firing none of the controls' handlers
  // (ShowListWindowSettings.cpp).
  void ShowSettings();
  void ShowTexts(const LanguageValues& texts);

  // The controls for tests and benchmarks (tests/ui/showlist/ShowListWindowAccess.h).
  struct TestAccess;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void SetWindowLook();
  void BuildList();
  void BuildButtons();
  void SetTabOrder();
  void ConnectControls();
  void PrepareDialogs();
  void Bind(Settings& settings);
  void Guarded(const std::function<void()>& handler);
  // The control showing each of the window's texts, with the property holding it.
  std::pair<QObject*, const char*> TextTarget(ListWindowText which);

  Services& services_;
  ShowList& list_;
  ShowListModel* model_;
  WindowsOnDemand& windows_;
  SettingBindings bindings_;

  ShowListView* listView_ = nullptr;
  QPushButton* selectFilesButton_ = nullptr;
  QPushButton* clearButton_ = nullptr;
  QPushButton* clearAllButton_ = nullptr;
  QCheckBox* continuousBox_ = nullptr;
  QCheckBox* loopBox_ = nullptr;
  RadioGroup* playerGroup_ = nullptr;
  QPushButton* makeScriptsButton_ = nullptr;
  QPushButton* loadListButton_ = nullptr;
  QPushButton* saveListButton_ = nullptr;
  // Controls that keep their distance to the right edge, with their place at the design size.
  std::vector<std::pair<QWidget*, QRect>> rightAnchored_;
};
