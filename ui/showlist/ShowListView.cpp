#include "ui/showlist/ShowListView.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <algorithm>
#include <cstdlib>
#include <utility>

#include "core/showlist/DragMove.h"
#include "ui/show/VirtualKeyFromQt.h"
#include "ui/showlist/ShowListModel.h"

namespace {

constexpr int kDragThreshold = 5;  // pixels the pointer moves before a press becomes a drag

// X or ESC by the key, as in the show window, so the X key closes on every layout.
bool IsCloseKey(const QKeyEvent& event) {
  const Key key = VirtualKeyFromQt(event);
  return key == Key::X || key == Key::Escape;
}

bool IsNavigationKey(int key) {
  switch (key) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Home:
    case Qt::Key_End:
      return true;
    default:
      return false;
  }
}

}  // namespace

ShowListView::ShowListView(ShowListModel& model, QWidget* parent)
    : QListView(parent), model_(model) {
  setModel(&model);
  setUniformItemSizes(true);
  setSelectionMode(QAbstractItemView::ExtendedSelection);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
}

std::vector<std::size_t> ShowListView::SelectedPositions() const {
  // Ranges of a selection may come in any order and may overlap: sort and merge them.
  std::vector<std::pair<int, int>> ranges;
  for (const QItemSelectionRange& range : selectionModel()->selection())
    if (range.isValid()) ranges.emplace_back(range.top(), range.bottom());
  std::sort(ranges.begin(), ranges.end());
  std::vector<std::size_t> positions;
  int next = 0;
  for (const auto& [top, bottom] : ranges) {
    for (int row = std::max(top, next); row <= bottom; ++row)
      positions.push_back(static_cast<std::size_t>(row));
    next = std::max(next, bottom + 1);
  }
  return positions;
}

int ShowListView::ItemCount() const {
  return model_.rowCount();
}

int ShowListView::RowAt(QPoint point) const {
  // Rows span the whole width, as in a list box; below the last item is no item.
  if (point.x() < 0 || point.x() >= viewport()->width() || ItemCount() == 0) return -1;
  const int itemX = visualRect(model_.index(0)).left() + 1;  // scrolled sideways too
  const QModelIndex index = indexAt(QPoint(itemX, point.y()));
  return index.isValid() ? index.row() : -1;
}

void ShowListView::SetCurrent(int row) {
  if (row < 0) return;
  selectionModel()->setCurrentIndex(model_.index(row), QItemSelectionModel::NoUpdate);
}

void ShowListView::SelectOnly(int row) {
  if (row < 0) {
    selectionModel()->clearSelection();
    return;
  }
  selectionModel()->setCurrentIndex(model_.index(row), QItemSelectionModel::ClearAndSelect);
}

void ShowListView::SelectRange(int from, int to) {
  if (from < 0 || from >= ItemCount()) from = to;
  const QItemSelection range(model_.index(std::min(from, to)), model_.index(std::max(from, to)));
  selectionModel()->select(range, QItemSelectionModel::ClearAndSelect);
  SetCurrent(to);
}

// Keys reach the view here rather than in keyPressEvent: Tab would otherwise move the focus
// before a drag could hold it back.
bool ShowListView::event(QEvent* event) {
  if (event->type() == QEvent::KeyPress && HandleKey(static_cast<QKeyEvent&>(*event))) return true;
  return QListView::event(event);
}

bool ShowListView::HandleKey(QKeyEvent& event) {
  const bool closeKey = IsCloseKey(event);
  if (dragging_ && event.key() == Qt::Key_Escape) {
    // ESC ends a drag without a drop, as it does for every drag.
    CancelDrag();
    return true;
  }
  // What a drag moves is fixed when it starts: no key may change the selection meanwhile.
  if (dragging_ && !closeKey) return true;
  // A key before the pointer has moved far enough: no drag comes of this press.
  if (dragPossible_ && !closeKey) CancelDrag();
  if (closeKey) {
    CancelDrag();
    emit CloseKeyPressed();
    return true;
  }
  return MoveByKey(event);
}

// The arrows, Page Up/Down, Home and End move the current item; Shift extends the selection
// from the last clicked item, which the view's own Shift handling would not.
bool ShowListView::MoveByKey(QKeyEvent& event) {
  if (!IsNavigationKey(event.key())) return false;
  const Qt::KeyboardModifiers modifiers = event.modifiers();
  if (modifiers.testFlag(Qt::ShiftModifier) && !modifiers.testFlag(Qt::ControlModifier)) {
    // Let the view move the current item alone (as with Ctrl), then select the range.
    QKeyEvent moveOnly(QEvent::KeyPress, event.key(),
                       (modifiers & ~Qt::ShiftModifier) | Qt::ControlModifier);
    const int before = currentIndex().row();
    QListView::keyPressEvent(&moveOnly);
    const int current = currentIndex().row();
    if (current >= 0) SelectRange(anchorRow_ >= 0 ? anchorRow_ : before, current);
    return true;
  }
  QListView::keyPressEvent(&event);
  if (!modifiers.testFlag(Qt::ControlModifier)) anchorRow_ = currentIndex().row();
  return true;
}

void ShowListView::CancelDrag() {
  EndDrag();
  dragPossible_ = false;
  deferred_ = Deferred::None;
}

void ShowListView::mousePressEvent(QMouseEvent* event) {
  RecordPress(*event);
  event->accept();
}

// A double click is a press like any other: no editing, no activation.
void ShowListView::mouseDoubleClickEvent(QMouseEvent* event) {
  RecordPress(*event);
  event->accept();
}

// What a press does depends on the keys held and on whether it hits the selection: it may keep
// the selection for a drag and leave its click to the release.
void ShowListView::RecordPress(QMouseEvent& event) {
  EndDrag();
  pressPoint_ = event.position().toPoint();
  pressRow_ = RowAt(pressPoint_);
  dragPossible_ = false;
  deferred_ = Deferred::None;
  setFocus(Qt::MouseFocusReason);
  if (event.button() != Qt::LeftButton) return;

  const bool shift = event.modifiers().testFlag(Qt::ShiftModifier);
  const bool ctrl = event.modifiers().testFlag(Qt::ControlModifier);
  const int row = pressRow_;
  const bool onSelected = row >= 0 && selectionModel()->isSelected(model_.index(row));
  if (onSelected && (ctrl || !shift)) {
    // The selection stays for the drag; without one, the click happens at the release.
    dragPossible_ = true;
    deferred_ = ctrl ? Deferred::Deselect : Deferred::Click;
    SetCurrent(row);
  } else if (shift && !ctrl) {
    if (row >= 0) SelectRange(anchorRow_, row);
  } else if (ctrl) {
    if (row >= 0) {
      selectionModel()->setCurrentIndex(model_.index(row), QItemSelectionModel::Select);
      anchorRow_ = row;
    }
  } else {
    SelectOnly(row);
    if (row >= 0) anchorRow_ = row;
    dragPossible_ = row >= 0;
  }
}

void ShowListView::mouseMoveEvent(QMouseEvent* event) {
  if (!event->buttons().testFlag(Qt::LeftButton)) {
    QListView::mouseMoveEvent(event);  // hovering: the view's own
    return;
  }
  const QPoint point = event->position().toPoint();
  if (!dragging_ && dragPossible_) {
    const QPoint moved = point - pressPoint_;
    if (std::abs(moved.x()) >= kDragThreshold || std::abs(moved.y()) >= kDragThreshold) {
      dragging_ = true;
      deferred_ = Deferred::None;
      QApplication::setOverrideCursor(Qt::DragMoveCursor);
    }
  }
  if (dragging_) {
    const bool accepted = viewport()->rect().contains(point) && AcceptsDragFrom(this);
    QApplication::changeOverrideCursor(accepted ? Qt::DragMoveCursor : Qt::ForbiddenCursor);
  }
  event->accept();  // no rubber-band selection while the button is held
}

void ShowListView::mouseReleaseEvent(QMouseEvent* event) {
  event->accept();
  if (event->button() != Qt::LeftButton) return;
  if (dragging_) {
    EndDrag();
    const QPoint point = event->position().toPoint();
    if (viewport()->rect().contains(point)) Drop(this, point);
  } else if (deferred_ == Deferred::Click) {
    SelectOnly(pressRow_);
    anchorRow_ = pressRow_;
  } else if (deferred_ == Deferred::Deselect) {
    selectionModel()->setCurrentIndex(model_.index(pressRow_), QItemSelectionModel::Deselect);
    anchorRow_ = pressRow_;
  }
  dragPossible_ = false;
  deferred_ = Deferred::None;
}

void ShowListView::hideEvent(QHideEvent* event) {
  // However the window closes, a drag in it ends there and its release moves nothing.
  CancelDrag();
  QListView::hideEvent(event);
}

bool ShowListView::AcceptsDragFrom(const QObject* source) const {
  return source == this;
}

void ShowListView::Drop(const QObject* source, QPoint point) {
  if (!AcceptsDragFrom(source)) return;
  const int dropRow = RowAt(point);
  const std::vector<std::size_t> selected = SelectedPositions();
  const std::ptrdiff_t distance =
      DragMoveDistance(static_cast<std::size_t>(ItemCount()), selected, pressRow_, dropRow);
  if (distance == 0) return;  // the selection stays
  // Moved items come back unselected.
  selectionModel()->clearSelection();
  emit MoveRequested(selected, distance);
  SetCurrent(dropRow);
  anchorRow_ = dropRow;
}

void ShowListView::EndDrag() {
  if (!dragging_) return;
  dragging_ = false;
  QApplication::restoreOverrideCursor();
}
