#include "ui/showlist/ShowListWindow.h"

#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QListView>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <algorithm>
#include <cstdlib>

#include "core/RunGuarded.h"
#include "core/show/ListCutNotice.h"
#include "core/show/ShowJournal.h"
#include "core/showlist/DragMove.h"
#include "core/showlist/MakeShowItemPath.h"
#include "core/showlist/ShowListFile.h"
#include "ui/WindowsOnDemand.h"
#include "ui/controls/RadioGroup.h"
#include "ui/players/BinoSettingsWindow.h"
#include "ui/players/SPlayerSettingsWindow.h"
#include "ui/show/VirtualKeyFromQt.h"
#include "ui/showlist/ShowListModel.h"

namespace {

// X or ESC by the key, as in the show window, so the X key closes on every layout.
bool IsCloseKey(const QKeyEvent& event) {
  const Key key = VirtualKeyFromQt(event);
  return key == Key::X || key == Key::Escape;
}

constexpr int kDesignWidth = 835;
constexpr int kDesignHeight = 722;
constexpr int kListRightGap = 144;  // between the list's right edge and the window's
constexpr int kDragThreshold = 5;   // pixels the pointer moves before a press becomes a drag

QFont PixelFont(const char* family, int pixels, bool bold) {
  QFont font(QString::fromLatin1(family));
  font.setPixelSize(pixels);
  font.setBold(bold);
  return font;
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

ShowListWindow::ShowListWindow(Services& services, ShowList& list, Settings& settings,
                               const LanguageValues& texts, WindowsOnDemand& windows)
    : QDialog(nullptr),
      services_(services),
      list_(list),
      items_(new ShowListModel(list, this)),
      windows_(windows) {
  setWindowTitle(QStringLiteral("File list"));
  setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint);
  setSizeGripEnabled(false);
  setFont(PixelFont("Tahoma", 11, false));
  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, Qt::black);
  palette.setColor(QPalette::WindowText, Qt::white);
  setPalette(palette);
  setAutoFillBackground(true);

  BuildControls();
  resize(kDesignWidth, kDesignHeight);

  selectFilesDialog.title = "Select files for show";
  selectFilesDialog.filter =
      "Show files (*.exe, *.bat, *.vbs, *.avi, *.mpg)|*.exe;*.bat;*.vbs;*.avi;*.mpg";
  selectFilesDialog.defaultExt = ".exe, .bat, .vbs, .avi, .mpg";
  selectFilesDialog.multiSelect = true;
  selectFilesDialog.offerAllFiles = true;
  loadListDialog.filter = "3D show list (*.shl)|*.shl|All files (*.*)|*.*";
  loadListDialog.defaultExt = "shl";
  saveListDialog.filter = "3D show list (*.shl)|*.shl";
  saveListDialog.defaultExt = "shl";
  saveListDialog.save = true;

  ShowModal = [](QDialog& window) { window.exec(); };
  Bind(settings);
  ShowSettings();
  ShowTexts(texts);
}

void ShowListWindow::BuildControls() {
  listView = new QListView(this);
  listView->setModel(items_);
  listView->setUniformItemSizes(true);
  listView->setSelectionMode(QAbstractItemView::ExtendedSelection);
  listView->setEditTriggers(QAbstractItemView::NoEditTriggers);
  listView->setFont(PixelFont("Tahoma", 16, true));
  QPalette listPalette = listView->palette();
  listPalette.setColor(QPalette::Base, Qt::black);
  listPalette.setColor(QPalette::Text, Qt::white);
  listView->setPalette(listPalette);
  listView->setGeometry(0, 0, kDesignWidth - kListRightGap, kDesignHeight);
  listView->installEventFilter(this);
  listView->viewport()->installEventFilter(this);

  const QFont buttonFont = PixelFont("Arial", 16, true);
  auto button = [&](const char* caption, QRect place) {
    auto* b = new QPushButton(QString::fromLatin1(caption), this);
    b->setFont(buttonFont);
    b->setGeometry(place);
    rightAnchored_.emplace_back(b, place);
    return b;
  };
  auto checkBox = [&](const char* caption, QRect place) {
    auto* box = new QCheckBox(QString::fromLatin1(caption), this);
    box->setFont(PixelFont("Tahoma", 16, true));
    box->setGeometry(place);
    rightAnchored_.emplace_back(box, place);
    return box;
  };
  selectFilesButton = button("Select file(s)", QRect(698, 8, 129, 25));
  clearButton = button("Clear", QRect(699, 41, 128, 25));
  clearAllButton = button("Clear All", QRect(698, 72, 129, 25));
  continuousBox = checkBox("Continuous", QRect(698, 200, 129, 17));
  loopBox = checkBox("Loop All", QRect(698, 232, 129, 17));
  playerGroup = new RadioGroup(this, QStringLiteral("Chosen 3D player"),
                               {QStringLiteral("Bino"), QStringLiteral("Stereoscopic Player"),
                                QStringLiteral("User defined")});
  playerGroup->setGeometry(697, 408, 130, 82);
  playerGroup->Choose(0);
  rightAnchored_.emplace_back(playerGroup, playerGroup->geometry());
  makeScriptsButton = button("Make BAT/VBS", QRect(698, 496, 129, 33));
  loadListButton = button("Load list", QRect(698, 641, 129, 25));
  saveListButton = button("Save list", QRect(698, 672, 129, 25));

  QWidget* tabOrder[] = {listView,          selectFilesButton, clearButton,   saveListButton,
                         loadListButton,    clearAllButton,    continuousBox, loopBox,
                         makeScriptsButton, playerGroup};
  for (size_t i = 0; i + 1 < std::size(tabOrder); ++i)
    QWidget::setTabOrder(tabOrder[i], tabOrder[i + 1]);
  listView->setFocus();

  connect(selectFilesButton, &QPushButton::clicked, this,
          [this] { Guarded([this] { SelectFiles(); }); });
  connect(clearButton, &QPushButton::clicked, this,
          [this] { Guarded([this] { ClearSelected(); }); });
  connect(clearAllButton, &QPushButton::clicked, this, [this] { Guarded([this] { ClearAll(); }); });
  connect(loadListButton, &QPushButton::clicked, this, [this] { Guarded([this] { LoadList(); }); });
  connect(saveListButton, &QPushButton::clicked, this, [this] { Guarded([this] { SaveList(); }); });
  connect(makeScriptsButton, &QPushButton::clicked, this,
          [this] { Guarded([this] { MakeScripts(); }); });
}

void ShowListWindow::Guarded(const std::function<void()>& handler) {
  RunGuarded(services_, handler);
}

std::vector<std::size_t> ShowListWindow::SelectedPositions() const {
  // Ranges of a selection may come in any order and may overlap: sort and merge them.
  std::vector<std::pair<int, int>> ranges;
  for (const QItemSelectionRange& range : listView->selectionModel()->selection())
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

int ShowListWindow::RowAt(QPoint point) const {
  // Rows span the whole width, as in a list box; below the last item is no item.
  if (point.x() < 0 || point.x() >= listView->viewport()->width() || list_.Count() == 0) return -1;
  const int itemX = listView->visualRect(items_->index(0)).left() + 1;  // scrolled sideways too
  const QModelIndex index = listView->indexAt(QPoint(itemX, point.y()));
  return index.isValid() ? index.row() : -1;
}

void ShowListWindow::SetCurrent(int row) {
  if (row < 0) return;
  listView->selectionModel()->setCurrentIndex(items_->index(row), QItemSelectionModel::NoUpdate);
}

void ShowListWindow::SelectOnly(int row) {
  auto* selection = listView->selectionModel();
  if (row < 0) {
    selection->clearSelection();
    return;
  }
  selection->setCurrentIndex(items_->index(row), QItemSelectionModel::ClearAndSelect);
}

void ShowListWindow::SelectRange(int from, int to) {
  if (from < 0 || from >= list_.Count()) from = to;
  const QItemSelection range(items_->index(std::min(from, to)), items_->index(std::max(from, to)));
  listView->selectionModel()->select(range, QItemSelectionModel::ClearAndSelect);
  SetCurrent(to);
}

void ShowListWindow::SelectFiles() {
  const std::vector<std::string> files = services_.dialogs->Choose(selectFilesDialog);
  if (files.empty()) return;
  selectFilesDialog.fileName = files.front();
  std::vector<std::string> added;
  added.reserve(files.size());
  for (const std::string& file : files)
    added.push_back(MakeNativeShowItemPath(services_.exePath, file));
  list_.Append(std::move(added));
}

void ShowListWindow::ClearSelected() {
  const std::vector<std::size_t> selected = SelectedPositions();
  if (selected.empty()) return;
  // A reset would scroll to the top: keep the operator where they were.
  const int scrolled = listView->verticalScrollBar()->value();
  list_.Remove(selected);
  listView->verticalScrollBar()->setValue(scrolled);
  anchorRow_ = -1;
}

void ShowListWindow::ClearAll() {
  list_.Assign({});
  anchorRow_ = -1;
}

void ShowListWindow::LoadList() {
  const std::vector<std::string> files = services_.dialogs->Choose(loadListDialog);
  if (files.empty()) return;
  loadListDialog.fileName = files.front();
  LoadedShowList loaded = LoadShowListKeepingCut(files.front());
  list_.Assign(std::move(loaded.items));
  anchorRow_ = -1;
  if (services_.journal) services_.journal->ListLoaded(files.front(), list_.Count());
  ReportListCut(services_, files.front(), loaded);
}

void ShowListWindow::SaveList() {
  const std::vector<std::string> files = services_.dialogs->Choose(saveListDialog);
  if (files.empty()) return;
  saveListDialog.fileName = files.front();
  SaveShowList(files.front(), list_.Items());
  if (services_.journal) services_.journal->ListSaved(files.front(), list_.Count());
}

void ShowListWindow::MakeScripts() {
  switch (playerGroup->Chosen()) {
    case 0:
      ShowModal(windows_.BinoWindow());
      break;
    case 1:
      ShowModal(windows_.SPlayerWindow());
      break;
    default:  // "User defined" or no choice
      break;
  }
}

bool ShowListWindow::ListKeyDown(QKeyEvent& event) {
  if (!IsCloseKey(event)) return false;
  CancelDrag();
  close();
  return true;
}

void ShowListWindow::CancelDrag() {
  EndDrag();
  dragPossible_ = false;
  deferred_ = Deferred::None;
}

void ShowListWindow::ListMouseDown(QMouseEvent& event) {
  EndDrag();
  pressPoint_ = event.position().toPoint();
  pressRow_ = RowAt(pressPoint_);
  dragPossible_ = false;
  deferred_ = Deferred::None;
  listView->setFocus(Qt::MouseFocusReason);
  if (event.button() != Qt::LeftButton) return;

  const bool shift = event.modifiers().testFlag(Qt::ShiftModifier);
  const bool ctrl = event.modifiers().testFlag(Qt::ControlModifier);
  const int row = pressRow_;
  const bool onSelected = row >= 0 && listView->selectionModel()->isSelected(items_->index(row));
  if (onSelected && (ctrl || !shift)) {
    // The selection stays for the drag; without one, the click happens at the release.
    dragPossible_ = true;
    deferred_ = ctrl ? Deferred::Deselect : Deferred::Click;
    SetCurrent(row);
  } else if (shift && !ctrl) {
    if (row >= 0) SelectRange(anchorRow_, row);
  } else if (ctrl) {
    if (row >= 0) {
      listView->selectionModel()->setCurrentIndex(items_->index(row), QItemSelectionModel::Select);
      anchorRow_ = row;
    }
  } else {
    SelectOnly(row);
    if (row >= 0) anchorRow_ = row;
    dragPossible_ = row >= 0;
  }
}

bool ShowListWindow::ListMouseMove(QMouseEvent& event) {
  if (!event.buttons().testFlag(Qt::LeftButton)) return false;  // hovering: the view's own
  const QPoint point = event.position().toPoint();
  if (!dragging_ && dragPossible_) {
    const QPoint moved = point - pressPoint_;
    if (std::abs(moved.x()) >= kDragThreshold || std::abs(moved.y()) >= kDragThreshold) {
      dragging_ = true;
      deferred_ = Deferred::None;
      QApplication::setOverrideCursor(Qt::DragMoveCursor);
    }
  }
  if (dragging_) {
    const bool accepted = listView->viewport()->rect().contains(point) && ListAcceptsDrag(listView);
    QApplication::changeOverrideCursor(accepted ? Qt::DragMoveCursor : Qt::ForbiddenCursor);
  }
  return true;  // no rubber-band selection while the button is held
}

void ShowListWindow::ListMouseUp(QMouseEvent& event) {
  if (event.button() != Qt::LeftButton) return;
  if (dragging_) {
    EndDrag();
    const QPoint point = event.position().toPoint();
    if (listView->viewport()->rect().contains(point)) ListDrop(listView, point);
  } else if (deferred_ == Deferred::Click) {
    SelectOnly(pressRow_);
    anchorRow_ = pressRow_;
  } else if (deferred_ == Deferred::Deselect) {
    listView->selectionModel()->setCurrentIndex(items_->index(pressRow_),
                                                QItemSelectionModel::Deselect);
    anchorRow_ = pressRow_;
  }
  dragPossible_ = false;
  deferred_ = Deferred::None;
}

bool ShowListWindow::ListAcceptsDrag(const QObject* source) const {
  return source == listView;
}

void ShowListWindow::ListDrop(const QObject* source, QPoint point) {
  if (!ListAcceptsDrag(source)) return;
  Guarded([&] {
    const int dropRow = RowAt(point);
    const std::vector<std::size_t> selected = SelectedPositions();
    const std::ptrdiff_t distance =
        DragMoveDistance(list_.Items().size(), selected, pressRow_, dropRow);
    if (distance == 0) return;  // the selection stays
    // Moved items come back unselected.
    listView->selectionModel()->clearSelection();
    list_.MoveSelected(selected, distance);
    SetCurrent(dropRow);
    anchorRow_ = dropRow;
  });
}

void ShowListWindow::EndDrag() {
  if (!dragging_) return;
  dragging_ = false;
  QApplication::restoreOverrideCursor();
}

bool ShowListWindow::ForwardKey(QKeyEvent& event) {
  forwarding_ = true;
  QApplication::sendEvent(listView, &event);
  forwarding_ = false;
  return true;
}

bool ShowListWindow::ListNavigation(QKeyEvent& event) {
  if (!IsNavigationKey(event.key())) return false;
  const Qt::KeyboardModifiers modifiers = event.modifiers();
  if (modifiers.testFlag(Qt::ShiftModifier) && !modifiers.testFlag(Qt::ControlModifier)) {
    // Shift extends from the last clicked item: let the view move the current item alone
    // (as with Ctrl), then select the range.
    QKeyEvent moveOnly(QEvent::KeyPress, event.key(),
                       (modifiers & ~Qt::ShiftModifier) | Qt::ControlModifier);
    const int before = listView->currentIndex().row();
    ForwardKey(moveOnly);
    const int current = listView->currentIndex().row();
    if (current >= 0) SelectRange(anchorRow_ >= 0 ? anchorRow_ : before, current);
    return true;
  }
  ForwardKey(event);
  if (!modifiers.testFlag(Qt::ControlModifier)) anchorRow_ = listView->currentIndex().row();
  return true;
}

bool ShowListWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == listView && event->type() == QEvent::KeyPress && !forwarding_) {
    auto& key = static_cast<QKeyEvent&>(*event);
    if (dragging_ && key.key() == Qt::Key_Escape) {
      // ESC ends a drag without a drop, as it does for every drag.
      CancelDrag();
      return true;
    }
    // What a drag moves is fixed when it starts: no key may change the selection meanwhile.
    if (dragging_ && !IsCloseKey(key)) return true;
    // A key before the pointer has moved far enough: no drag comes of this press.
    if (dragPossible_ && !IsCloseKey(key)) CancelDrag();
    return ListKeyDown(key) || ListNavigation(key);
  }
  if (watched == listView->viewport()) {
    switch (event->type()) {
      case QEvent::MouseButtonPress:
      case QEvent::MouseButtonDblClick:
        ListMouseDown(static_cast<QMouseEvent&>(*event));
        return true;
      case QEvent::MouseMove:
        return ListMouseMove(static_cast<QMouseEvent&>(*event));
      case QEvent::MouseButtonRelease:
        ListMouseUp(static_cast<QMouseEvent&>(*event));
        return true;
      default:
        break;
    }
  }
  return QDialog::eventFilter(watched, event);
}

void ShowListWindow::keyPressEvent(QKeyEvent* event) {
  // ESC closes the window only from the list (ListKeyDown). Enter clicks a button only while
  // that button has the focus (it handles the key itself): the window has no default button.
  switch (event->key()) {
    case Qt::Key_Escape:
    case Qt::Key_Return:
    case Qt::Key_Enter:
      event->ignore();
      return;
    default:
      QDialog::keyPressEvent(event);
  }
}

void ShowListWindow::hideEvent(QHideEvent* event) {
  // However the window closes, a drag in it ends there and its release moves nothing.
  CancelDrag();
  QDialog::hideEvent(event);
}

void ShowListWindow::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  // A dialog makes its first button the default one when shown; this window has none.
  for (QPushButton* button : findChildren<QPushButton*>())
    if (!button->hasFocus()) button->setDefault(false);
}

void ShowListWindow::resizeEvent(QResizeEvent* event) {
  QDialog::resizeEvent(event);
  listView->setGeometry(0, 0, std::max(0, width() - kListRightGap), height());
  for (const auto& [widget, place] : rightAnchored_)
    widget->move(width() - (kDesignWidth - place.left()), place.top());
}
