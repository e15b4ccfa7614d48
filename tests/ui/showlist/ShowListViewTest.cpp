#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>
#include <string>
#include <utility>
#include <vector>

#include "KeyClick.h"
#include "ui/showlist/ShowListModel.h"
#include "ui/showlist/ShowListView.h"

namespace {

using Positions = std::vector<std::size_t>;

// The view alone, without the window: what it asks of its owner, and what it keeps to itself.
class ShowListViewTest : public ::testing::Test {
 protected:
  ShowListViewTest() {
    list.Assign({"A", "B", "C", "D", "E", "F"});
    auto* layout = new QVBoxLayout(&owner);
    layout->addWidget(view);
    layout->addWidget(button);
    owner.resize(300, 400);
    owner.show();
    QApplication::setActiveWindow(&owner);
    view->setFocus();
    QObject::connect(view, &ShowListView::MoveRequested,
                     [this](const Positions& selected, std::ptrdiff_t distance) {
                       moves.emplace_back(selected, distance);
                     });
    QObject::connect(view, &ShowListView::CloseKeyPressed, [this] { ++closeRequests; });
  }
  QPoint At(int row) { return view->visualRect(model.index(row)).center(); }
  void Send(QEvent::Type type, QPoint point, Qt::MouseButtons buttons) {
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, QPointF(point), QPointF(view->viewport()->mapToGlobal(point)), button,
                      buttons, Qt::NoModifier);
    QApplication::sendEvent(view->viewport(), &event);
  }
  void StartDrag(int from, int over) {
    Send(QEvent::MouseButtonPress, At(from), Qt::LeftButton);
    Send(QEvent::MouseButtonRelease, At(from), Qt::NoButton);
    Send(QEvent::MouseButtonPress, At(from), Qt::LeftButton);
    Send(QEvent::MouseMove, At(over), Qt::LeftButton);
  }

  ShowList list;
  ShowListModel model{list, nullptr};
  QWidget owner;
  ShowListView* view = new ShowListView(model, &owner);
  QPushButton* button = new QPushButton(QStringLiteral("next"), &owner);
  std::vector<std::pair<Positions, std::ptrdiff_t>> moves;
  int closeRequests = 0;
};

}  // namespace

TEST_F(ShowListViewTest, ADropAsksTheOwnerToMoveAndTheListStaysItsOwnersToChange) {
  StartDrag(1, 3);
  ASSERT_TRUE(view->Dragging());
  Send(QEvent::MouseButtonRelease, At(3), Qt::NoButton);
  ASSERT_EQ(moves.size(), 1u);
  EXPECT_EQ(moves[0], std::make_pair(Positions{1}, std::ptrdiff_t{2}));
  EXPECT_EQ(list.Item(1), "B");  // nobody moved it here
  EXPECT_TRUE(view->SelectedPositions().empty());
  EXPECT_EQ(view->currentIndex().row(), 3);

  // A drop from anywhere else is refused.
  view->selectionModel()->select(model.index(0), QItemSelectionModel::Select);
  view->Drop(button, At(4));
  EXPECT_EQ(moves.size(), 1u);
  EXPECT_FALSE(view->AcceptsDragFrom(button));
}

TEST_F(ShowListViewTest, CloseKeysAskTheOwnerAndTabWaitsForTheDragToEnd) {
  KeyClick(view, Qt::Key_X, Qt::ShiftModifier | Qt::AltModifier);
  EXPECT_EQ(closeRequests, 1);

  // During a drag ESC ends the drag and asks nothing; Tab leaves the focus where it is.
  StartDrag(2, 4);
  ASSERT_TRUE(view->Dragging());
  KeyClick(view, Qt::Key_Tab);
  EXPECT_TRUE(view->hasFocus());
  KeyClick(view, Qt::Key_Escape);
  EXPECT_FALSE(view->Dragging());
  EXPECT_EQ(closeRequests, 1);
  Send(QEvent::MouseButtonRelease, At(4), Qt::NoButton);
  EXPECT_TRUE(moves.empty());

  // Without a drag Tab moves on as usual.
  KeyClick(view, Qt::Key_Tab);
  EXPECT_TRUE(button->hasFocus());
}
