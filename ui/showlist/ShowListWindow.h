#pragma once
#include <QDialog>
#include <QRect>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <type_traits>
#include <utility>
#include <vector>

#include "core/Services.h"
#include "core/host/FileDialogs.h"
#include "core/show/ShowState.h"
#include "core/showlist/ShowList.h"

class QCheckBox;
class QPushButton;
class ShowListModel;
class ShowListView;
class RadioGroup;
struct LanguageValues;
struct Settings;
enum class SetupText : uint8_t;

// The show list window, where the operator assembles the show list: the list view with its
// selection and drag-move, and the buttons that add, remove, load and save items.
class ShowListWindow : public QDialog {
  Q_OBJECT
 public:
  // The player windows are shown by "Make BAT/VBS" for the player chosen.
  ShowListWindow(Services& services, ShowState& state, ShowList& list, QDialog& binoWindow,
                 QDialog& splayerWindow);

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
  void ContinuousToggled();
  void LoopToggled();
  void MakeScripts();

  // The play options and the chosen player, and the title and captions
  // (ShowListWindowSettings.cpp). Collect leaves the play options to CollectShowSettings.
  void Apply(const Settings& settings);
  void Collect(Settings& settings) const;
  void ApplyTexts(const LanguageValues& texts);
  void CollectTexts(LanguageValues& texts) const;

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
  void Guarded(const std::function<void()>& handler);
  // The control showing each "Setup" text, with the property holding it; const for a const window.
  template <typename Window>
  using TextTarget =
      std::pair<std::conditional_t<std::is_const_v<Window>, const QObject, QObject>*, const char*>;
  template <typename Window>
  static TextTarget<Window> SetupTarget(Window& window, SetupText which);

  Services& services_;
  ShowState& state_;
  ShowList& list_;
  ShowListModel* model_;
  QDialog& binoWindow_;
  QDialog& splayerWindow_;

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
