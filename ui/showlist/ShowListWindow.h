#pragma once
#include <QDialog>
#include <QPoint>
#include <QRect>
#include <cstddef>
#include <functional>
#include <utility>
#include <vector>

#include "platform/FileDialogs.h"
#include "core/Services.h"

class QCheckBox;
class QKeyEvent;
class QListView;
class QMouseEvent;
class QPushButton;
class ShowListModel;
class TRadioGroup;

// The show list window, where the operator assembles the show list.
class TForm_Setup : public QDialog {
  Q_OBJECT
 public:
  explicit TForm_Setup(Services& services);

  QListView* ListBox1;
  QPushButton* Button_select;
  QPushButton* Button_Clear;
  QPushButton* Button_Clear_All;
  QCheckBox* CheckBox_continuous;
  QCheckBox* CheckBox_Loop;
  TRadioGroup* RadioGroup_ChosenPlayer;
  QPushButton* Button1;
  QPushButton* Button_Load;
  QPushButton* Button_Save;

  // The three dialogs; each keeps the name last chosen in it and opens with it again.
  platform::FileDialogRequest OpenDialog_Select;
  platform::FileDialogRequest OpenDialog_Load;
  platform::FileDialogRequest SaveDialog_Save;

  // The show list, held by ListBox1.
  ShowListModel& Items() const { return *items_; }
  // Positions of the selected items, ascending.
  std::vector<std::size_t> SelectedPositions() const;

  // How the player settings windows are shown modally; tests replace it so nothing blocks.
  std::function<void(QDialog&)> ShowModal;

  void Button_selectClick();
  void Button_ClearClick();
  void Button_Clear_AllClick();
  void Button_LoadClick();
  void Button_SaveClick();
  void CheckBox_continuousClick();
  void CheckBox_LoopClick();
  void Button1Click();
  // True when the key was the list's close key (X or ESC).
  bool ListBox1KeyDown(QKeyEvent& event);
  void ListBox1MouseDown(QMouseEvent& event);
  // Whether a drag from `source` may be dropped on the list: only from the list itself.
  bool ListBox1DragOver(const QObject* source) const;
  void ListBox1DragDrop(const QObject* source, QPoint point);

  // The recorded point of the last press in the list, in the list's coordinates.
  QPoint PressPoint() const { return pressPoint_; }
  bool Dragging() const { return dragging_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  void BuildControls();
  void Guarded(const std::function<void()>& handler);
  int RowAt(QPoint point) const;
  void SelectOnly(int row);
  void SelectRange(int from, int to);
  void SetCurrent(int row);
  bool ListBox1MouseMove(QMouseEvent& event);
  void ListBox1MouseUp(QMouseEvent& event);
  bool ListBox1Navigation(QKeyEvent& event);
  bool ForwardKey(QKeyEvent& event);
  void EndDrag();
  // Ends a drag or a press that may become one, moving nothing.
  void CancelDrag();

  Services& services_;
  ShowListModel* items_;
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

extern TForm_Setup* Form_Setup;
