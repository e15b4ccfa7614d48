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

#include "ui/controls/RadioGroup.h"
#include "ui/players/BinoSettingsWindow.h"
#include "ui/players/SPlayerSettingsWindow.h"
#include "core/show/ShowState.h"
#include "core/HandlerGuard.h"
#include "core/show/ShowJournal.h"
#include "ui/show/VirtualKey.h"
#include "core/showlist/DragMove.h"
#include "core/showlist/MakeShowItemPath.h"
#include "core/showlist/ShowListFile.h"
#include "ui/showlist/ShowListModel.h"

TForm_Setup* Form_Setup = nullptr;

namespace {

// X or ESC by the key, as in the show window, so the X key closes on every layout.
bool IsCloseKey(const QKeyEvent& event) {
  const int key = VirtualKeyFromQt(event);
  return key == 'X' || key == VK_ESCAPE_KEY;
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

TForm_Setup::TForm_Setup(Services& services)
    : QDialog(nullptr), services_(services), items_(new ShowListModel(this)) {
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

  OpenDialog_Select.title = "Select files for show";
  OpenDialog_Select.filter =
      "Show files (*.exe, *.bat, *.vbs, *.avi, *.mpg)|*.exe;*.bat;*.vbs;*.avi;*.mpg";
  OpenDialog_Select.defaultExt = ".exe, .bat, .vbs, .avi, .mpg";
  OpenDialog_Select.multiSelect = true;
  OpenDialog_Select.offerAllFiles = true;
  OpenDialog_Load.filter = "3D show list (*.shl)|*.shl|All files (*.*)|*.*";
  OpenDialog_Load.defaultExt = "shl";
  SaveDialog_Save.filter = "3D show list (*.shl)|*.shl";
  SaveDialog_Save.defaultExt = "shl";
  SaveDialog_Save.save = true;

  ShowModal = [](QDialog& window) { window.exec(); };
}

void TForm_Setup::BuildControls() {
  ListBox1 = new QListView(this);
  ListBox1->setModel(items_);
  ListBox1->setUniformItemSizes(true);
  ListBox1->setSelectionMode(QAbstractItemView::ExtendedSelection);
  ListBox1->setEditTriggers(QAbstractItemView::NoEditTriggers);
  ListBox1->setFont(PixelFont("Tahoma", 16, true));
  QPalette listPalette = ListBox1->palette();
  listPalette.setColor(QPalette::Base, Qt::black);
  listPalette.setColor(QPalette::Text, Qt::white);
  ListBox1->setPalette(listPalette);
  ListBox1->setGeometry(0, 0, kDesignWidth - kListRightGap, kDesignHeight);
  ListBox1->installEventFilter(this);
  ListBox1->viewport()->installEventFilter(this);

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
  Button_select = button("Select file(s)", QRect(698, 8, 129, 25));
  Button_Clear = button("Clear", QRect(699, 41, 128, 25));
  Button_Clear_All = button("Clear All", QRect(698, 72, 129, 25));
  CheckBox_continuous = checkBox("Continuous", QRect(698, 200, 129, 17));
  CheckBox_Loop = checkBox("Loop All", QRect(698, 232, 129, 17));
  RadioGroup_ChosenPlayer =
      new TRadioGroup(this, QStringLiteral("Chosen 3D player"),
                      {QStringLiteral("Bino"), QStringLiteral("Stereoscopic Player"),
                       QStringLiteral("User defined")});
  RadioGroup_ChosenPlayer->setGeometry(697, 408, 130, 82);
  RadioGroup_ChosenPlayer->SetItemIndex(0);
  rightAnchored_.emplace_back(RadioGroup_ChosenPlayer, RadioGroup_ChosenPlayer->geometry());
  Button1 = button("Make BAT/VBS", QRect(698, 496, 129, 33));
  Button_Load = button("Load list", QRect(698, 641, 129, 25));
  Button_Save = button("Save list", QRect(698, 672, 129, 25));

  QWidget* tabOrder[] = {ListBox1,    Button_select,          Button_Clear,        Button_Save,
                         Button_Load, Button_Clear_All,       CheckBox_continuous, CheckBox_Loop,
                         Button1,     RadioGroup_ChosenPlayer};
  for (size_t i = 0; i + 1 < std::size(tabOrder); ++i)
    QWidget::setTabOrder(tabOrder[i], tabOrder[i + 1]);
  ListBox1->setFocus();

  connect(Button_select, &QPushButton::clicked, this,
          [this] { Guarded([this] { Button_selectClick(); }); });
  connect(Button_Clear, &QPushButton::clicked, this,
          [this] { Guarded([this] { Button_ClearClick(); }); });
  connect(Button_Clear_All, &QPushButton::clicked, this,
          [this] { Guarded([this] { Button_Clear_AllClick(); }); });
  connect(Button_Load, &QPushButton::clicked, this,
          [this] { Guarded([this] { Button_LoadClick(); }); });
  connect(Button_Save, &QPushButton::clicked, this,
          [this] { Guarded([this] { Button_SaveClick(); }); });
  connect(Button1, &QPushButton::clicked, this, [this] { Guarded([this] { Button1Click(); }); });
  // Every change of a box, by the operator or by the settings, reaches the show state.
  connect(CheckBox_continuous, &QCheckBox::toggled, this, [this] { CheckBox_continuousClick(); });
  connect(CheckBox_Loop, &QCheckBox::toggled, this, [this] { CheckBox_LoopClick(); });
}

void TForm_Setup::Guarded(const std::function<void()>& handler) {
  RunGuarded(services_, handler);
}

std::vector<std::size_t> TForm_Setup::SelectedPositions() const {
  // Ranges of a selection may come in any order and may overlap: sort and merge them.
  std::vector<std::pair<int, int>> ranges;
  for (const QItemSelectionRange& range : ListBox1->selectionModel()->selection())
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

int TForm_Setup::RowAt(QPoint point) const {
  // Rows span the whole width, as in a list box; below the last item is no item.
  if (point.x() < 0 || point.x() >= ListBox1->viewport()->width() || items_->Count() == 0)
    return -1;
  const int itemX = ListBox1->visualRect(items_->index(0)).left() + 1;  // scrolled sideways too
  const QModelIndex index = ListBox1->indexAt(QPoint(itemX, point.y()));
  return index.isValid() ? index.row() : -1;
}

void TForm_Setup::SetCurrent(int row) {
  if (row < 0) return;
  ListBox1->selectionModel()->setCurrentIndex(items_->index(row), QItemSelectionModel::NoUpdate);
}

void TForm_Setup::SelectOnly(int row) {
  auto* selection = ListBox1->selectionModel();
  if (row < 0) {
    selection->clearSelection();
    return;
  }
  selection->setCurrentIndex(items_->index(row), QItemSelectionModel::ClearAndSelect);
}

void TForm_Setup::SelectRange(int from, int to) {
  if (from < 0 || from >= items_->Count()) from = to;
  const QItemSelection range(items_->index(std::min(from, to)), items_->index(std::max(from, to)));
  ListBox1->selectionModel()->select(range, QItemSelectionModel::ClearAndSelect);
  SetCurrent(to);
}

void TForm_Setup::Button_selectClick() {
  const std::vector<std::string> files = services_.dialogs->Choose(OpenDialog_Select);
  if (files.empty()) return;
  OpenDialog_Select.fileName = files.front();
  std::vector<std::string> added;
  added.reserve(files.size());
  for (const std::string& file : files)
    added.push_back(MakeNativeShowItemPath(services_.exePath, file));
  items_->Append(std::move(added));
}

void TForm_Setup::Button_ClearClick() {
  const std::vector<std::size_t> selected = SelectedPositions();
  if (selected.empty()) return;
  // A reset would scroll to the top: keep the operator where they were.
  const int scrolled = ListBox1->verticalScrollBar()->value();
  items_->Remove(selected);
  ListBox1->verticalScrollBar()->setValue(scrolled);
  anchorRow_ = -1;
}

void TForm_Setup::Button_Clear_AllClick() {
  items_->Assign({});
  anchorRow_ = -1;
}

void TForm_Setup::Button_LoadClick() {
  const std::vector<std::string> files = services_.dialogs->Choose(OpenDialog_Load);
  if (files.empty()) return;
  OpenDialog_Load.fileName = files.front();
  items_->Assign(LoadShowList(files.front()));
  anchorRow_ = -1;
  if (services_.journal) services_.journal->ListLoaded(files.front(), items_->Count());
}

void TForm_Setup::Button_SaveClick() {
  const std::vector<std::string> files = services_.dialogs->Choose(SaveDialog_Save);
  if (files.empty()) return;
  SaveDialog_Save.fileName = files.front();
  SaveShowList(files.front(), items_->Items());
  if (services_.journal) services_.journal->ListSaved(files.front(), items_->Count());
}

void TForm_Setup::CheckBox_continuousClick() {
  ShowState.ContinuousMode = CheckBox_continuous->isChecked();
}

void TForm_Setup::CheckBox_LoopClick() {
  ShowState.LoopAll = CheckBox_Loop->isChecked();
}

void TForm_Setup::Button1Click() {
  switch (RadioGroup_ChosenPlayer->ItemIndex()) {
    case 0:
      if (Form_Bino) ShowModal(*Form_Bino);
      break;
    case 1:
      if (Form_SPlayer) ShowModal(*Form_SPlayer);
      break;
    default:  // "User defined" or no choice
      break;
  }
}

bool TForm_Setup::ListBox1KeyDown(QKeyEvent& event) {
  if (!IsCloseKey(event)) return false;
  CancelDrag();
  close();
  return true;
}

void TForm_Setup::CancelDrag() {
  EndDrag();
  dragPossible_ = false;
  deferred_ = Deferred::None;
}

void TForm_Setup::ListBox1MouseDown(QMouseEvent& event) {
  EndDrag();
  pressPoint_ = event.position().toPoint();
  pressRow_ = RowAt(pressPoint_);
  dragPossible_ = false;
  deferred_ = Deferred::None;
  ListBox1->setFocus(Qt::MouseFocusReason);
  if (event.button() != Qt::LeftButton) return;

  const bool shift = event.modifiers().testFlag(Qt::ShiftModifier);
  const bool ctrl = event.modifiers().testFlag(Qt::ControlModifier);
  const int row = pressRow_;
  const bool onSelected = row >= 0 && ListBox1->selectionModel()->isSelected(items_->index(row));
  if (onSelected && (ctrl || !shift)) {
    // The selection stays for the drag; without one, the click happens at the release.
    dragPossible_ = true;
    deferred_ = ctrl ? Deferred::Deselect : Deferred::Click;
    SetCurrent(row);
  } else if (shift && !ctrl) {
    if (row >= 0) SelectRange(anchorRow_, row);
  } else if (ctrl) {
    if (row >= 0) {
      ListBox1->selectionModel()->setCurrentIndex(items_->index(row), QItemSelectionModel::Select);
      anchorRow_ = row;
    }
  } else {
    SelectOnly(row);
    if (row >= 0) anchorRow_ = row;
    dragPossible_ = row >= 0;
  }
}

bool TForm_Setup::ListBox1MouseMove(QMouseEvent& event) {
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
    const bool accepted =
        ListBox1->viewport()->rect().contains(point) && ListBox1DragOver(ListBox1);
    QApplication::changeOverrideCursor(accepted ? Qt::DragMoveCursor : Qt::ForbiddenCursor);
  }
  return true;  // no rubber-band selection while the button is held
}

void TForm_Setup::ListBox1MouseUp(QMouseEvent& event) {
  if (event.button() != Qt::LeftButton) return;
  if (dragging_) {
    EndDrag();
    const QPoint point = event.position().toPoint();
    if (ListBox1->viewport()->rect().contains(point)) ListBox1DragDrop(ListBox1, point);
  } else if (deferred_ == Deferred::Click) {
    SelectOnly(pressRow_);
    anchorRow_ = pressRow_;
  } else if (deferred_ == Deferred::Deselect) {
    ListBox1->selectionModel()->setCurrentIndex(items_->index(pressRow_),
                                                QItemSelectionModel::Deselect);
    anchorRow_ = pressRow_;
  }
  dragPossible_ = false;
  deferred_ = Deferred::None;
}

bool TForm_Setup::ListBox1DragOver(const QObject* source) const {
  return source == ListBox1;
}

void TForm_Setup::ListBox1DragDrop(const QObject* source, QPoint point) {
  if (!ListBox1DragOver(source)) return;
  Guarded([&] {
    const int dropRow = RowAt(point);
    const std::vector<std::size_t> selected = SelectedPositions();
    const std::ptrdiff_t distance =
        DragMoveDistance(items_->Items().size(), selected, pressRow_, dropRow);
    if (distance == 0) return;  // the selection stays
    // Moved items come back unselected.
    ListBox1->selectionModel()->clearSelection();
    items_->MoveSelected(selected, distance);
    SetCurrent(dropRow);
    anchorRow_ = dropRow;
  });
}

void TForm_Setup::EndDrag() {
  if (!dragging_) return;
  dragging_ = false;
  QApplication::restoreOverrideCursor();
}

bool TForm_Setup::ForwardKey(QKeyEvent& event) {
  forwarding_ = true;
  QApplication::sendEvent(ListBox1, &event);
  forwarding_ = false;
  return true;
}

bool TForm_Setup::ListBox1Navigation(QKeyEvent& event) {
  if (!IsNavigationKey(event.key())) return false;
  const Qt::KeyboardModifiers modifiers = event.modifiers();
  if (modifiers.testFlag(Qt::ShiftModifier) && !modifiers.testFlag(Qt::ControlModifier)) {
    // Shift extends from the last clicked item: let the view move the current item alone
    // (as with Ctrl), then select the range.
    QKeyEvent moveOnly(QEvent::KeyPress, event.key(),
                       (modifiers & ~Qt::ShiftModifier) | Qt::ControlModifier);
    const int before = ListBox1->currentIndex().row();
    ForwardKey(moveOnly);
    const int current = ListBox1->currentIndex().row();
    if (current >= 0) SelectRange(anchorRow_ >= 0 ? anchorRow_ : before, current);
    return true;
  }
  ForwardKey(event);
  if (!modifiers.testFlag(Qt::ControlModifier)) anchorRow_ = ListBox1->currentIndex().row();
  return true;
}

bool TForm_Setup::eventFilter(QObject* watched, QEvent* event) {
  if (watched == ListBox1 && event->type() == QEvent::KeyPress && !forwarding_) {
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
    return ListBox1KeyDown(key) || ListBox1Navigation(key);
  }
  if (watched == ListBox1->viewport()) {
    switch (event->type()) {
      case QEvent::MouseButtonPress:
      case QEvent::MouseButtonDblClick:
        ListBox1MouseDown(static_cast<QMouseEvent&>(*event));
        return true;
      case QEvent::MouseMove:
        return ListBox1MouseMove(static_cast<QMouseEvent&>(*event));
      case QEvent::MouseButtonRelease:
        ListBox1MouseUp(static_cast<QMouseEvent&>(*event));
        return true;
      default:
        break;
    }
  }
  return QDialog::eventFilter(watched, event);
}

void TForm_Setup::keyPressEvent(QKeyEvent* event) {
  // ESC closes the window only from the list (ListBox1KeyDown). Enter clicks a button only while
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

void TForm_Setup::hideEvent(QHideEvent* event) {
  // However the window closes, a drag in it ends there and its release moves nothing.
  CancelDrag();
  QDialog::hideEvent(event);
}

void TForm_Setup::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  // A dialog makes its first button the default one when shown; this window has none.
  for (QPushButton* button : findChildren<QPushButton*>())
    if (!button->hasFocus()) button->setDefault(false);
}

void TForm_Setup::resizeEvent(QResizeEvent* event) {
  QDialog::resizeEvent(event);
  ListBox1->setGeometry(0, 0, std::max(0, width() - kListRightGap), height());
  for (const auto& [widget, place] : rightAnchored_)
    widget->move(width() - (kDesignWidth - place.left()), place.top());
}
