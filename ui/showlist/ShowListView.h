#pragma once
#include <QListView>
#include <QPoint>
#include <cstddef>
#include <vector>

class ShowListModel;

// The show list's rows as a list box selects and drags them: a click selects one item, Shift
// extends from the last clicked item, Ctrl adds an item, and a press on the selection drags it
// to where it is dropped. X or ESC asks the owner to close.
class ShowListView : public QListView {
  Q_OBJECT
 public:
  ShowListView(ShowListModel& model, QWidget* parent);

  // Positions of the selected items, ascending.
  std::vector<std::size_t> SelectedPositions() const;
  // The recorded point of the last press, in the viewport's coordinates.
  QPoint PressPoint() const { return pressPoint_; }
  bool Dragging() const { return dragging_; }
  // Whether a drag from `source` may be dropped here: only from the view itself.
  bool AcceptsDragFrom(const QObject* source) const;
  // Drops the selection dragged from `source` at `point`: it moves by the distance from the
  // pressed item to the item under `point`, limited to the list.
  void Drop(const QObject* source, QPoint point);
  // Ends a drag or a press that may become one, moving nothing.
  void CancelDrag();
  // The list was replaced or thinned out: a Shift range starts afresh.
  void ForgetRangeStart() { anchorRow_ = -1; }

 signals:
  // X or ESC, whatever Shift, Ctrl and Alt.
  void CloseKeyPressed();
  // A drop moves the items at `selected` (ascending) by `distance` positions.
  void MoveRequested(const std::vector<std::size_t>& selected, std::ptrdiff_t distance);

 protected:
  bool event(QEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  bool HandleKey(QKeyEvent& event);
  bool MoveByKey(QKeyEvent& event);
  void RecordPress(QMouseEvent& event);
  void EndDrag();
  int RowAt(QPoint point) const;
  int ItemCount() const;
  void SelectOnly(int row);
  void SelectRange(int from, int to);
  void SetCurrent(int row);

  ShowListModel& model_;
  QPoint pressPoint_;
  int pressRow_ = -1;   // the item under the press point when it was pressed
  int anchorRow_ = -1;  // where a Shift range starts: the last item clicked
  bool dragPossible_ = false;
  bool dragging_ = false;
  // A press on an item that was already selected: its plain or Ctrl click comes at the release.
  enum class Deferred { None, Click, Deselect } deferred_ = Deferred::None;
};
