#pragma once
#include <QDialog>
#include <QPoint>
#include <QRect>
#include <cstddef>
#include <functional>
#include <utility>
#include <vector>

#include "core/Services.h"
#include "core/host/FileDialogs.h"
#include "core/showlist/ShowList.h"
#include "ui/controls/SettingBindings.h"

class QCheckBox;
class QKeyEvent;
class QListView;
class QMouseEvent;
class QPushButton;
class ShowListModel;
class RadioGroup;
class WindowsOnDemand;
struct LanguageValues;
struct Settings;

// The show list window, where the operator assembles the show list.
class ShowListWindow : public QDialog {
  Q_OBJECT
 public:
  // The play options and the chosen player show and write their fields of `settings`; the
  // title and captions are `texts`. "Make BAT/VBS" shows the chosen player's window.
  ShowListWindow(Services& services, ShowList& list, Settings& settings,
                 const LanguageValues& texts, WindowsOnDemand& windows);

  QListView* listView;
  QPushButton* selectFilesButton;
  QPushButton* clearButton;
  QPushButton* clearAllButton;
  QCheckBox* continuousBox;
  QCheckBox* loopBox;
  RadioGroup* playerGroup;
  QPushButton* makeScriptsButton;
  QPushButton* loadListButton;
  QPushButton* saveListButton;

  // The three dialogs; each keeps the name last chosen in it and opens with it again.
  host::FileDialogRequest selectFilesDialog;
  host::FileDialogRequest loadListDialog;
  host::FileDialogRequest saveListDialog;

  // The show list shown by listView.
  ShowList& Items() const { return list_; }
  ShowListModel& Model() const { return *items_; }
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
  // True when the key was the list's close key (X or ESC).
  bool ListKeyDown(QKeyEvent& event);
  void ListMouseDown(QMouseEvent& event);
  // Whether a drag from `source` may be dropped on the list: only from the list itself.
  bool ListAcceptsDrag(const QObject* source) const;
  void ListDrop(const QObject* source, QPoint point);

  // The recorded point of the last press in the list, in the list's coordinates.
  QPoint PressPoint() const { return pressPoint_; }
  bool Dragging() const { return dragging_; }

  // Shows the settings' values and the texts again, firing none of the controls' handlers
  // (ShowListWindowSettings.cpp).
  void ShowSettings();
  void ShowTexts(const LanguageValues& texts);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  void BuildControls();
  void Bind(Settings& settings);
  void Guarded(const std::function<void()>& handler);
  int RowAt(QPoint point) const;
  void SelectOnly(int row);
  void SelectRange(int from, int to);
  void SetCurrent(int row);
  bool ListMouseMove(QMouseEvent& event);
  void ListMouseUp(QMouseEvent& event);
  bool ListNavigation(QKeyEvent& event);
  bool ForwardKey(QKeyEvent& event);
  void EndDrag();
  // Ends a drag or a press that may become one, moving nothing.
  void CancelDrag();

  Services& services_;
  ShowList& list_;
  ShowListModel* items_;
  WindowsOnDemand& windows_;
  SettingBindings bindings_;
  // Controls that keep their distance to the right edge, with their place at the design size.
  std::vector<std::pair<QWidget*, QRect>> rightAnchored_;

  QPoint pressPoint_;
  int pressRow_ = -1;   // the item under the press point when it was pressed
  int anchorRow_ = -1;  // where a Shift range starts: the last item clicked
  bool dragPossible_ = false;
  bool dragging_ = false;
  // A press on an item that was already selected: its plain or Ctrl click comes at the release.
  enum class Deferred { None, Click, Deselect } deferred_ = Deferred::None;
  bool forwarding_ = false;
};
