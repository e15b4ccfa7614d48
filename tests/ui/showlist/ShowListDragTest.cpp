#include <QApplication>
#include <QListView>
#include <QMouseEvent>
#include <QPushButton>
#include "KeyClick.h"

#include "UiFixture.h"
#include "showlist/ShowListWindowAccess.h"
#include "ui/showlist/ShowListModel.h"
#include "ui/showlist/ShowListWindow.h"

using Items = std::vector<std::string>;
using Positions = std::vector<std::size_t>;

namespace {

// Presses, moves and releases of the left button on the list, as the system delivers them.
class ShowListMouse : public UiFixture {
 protected:
  ShowListMouse() {
    app->ListWindow().show();
    List().Assign({"A", "B", "C", "D", "E", "F"});
  }
  ShowList& List() { return app->ListWindow().List(); }
  ShowListModel& Model() { return app->ListWindow().Model(); }
  QWidget* Viewport() { return Controls(app->ListWindow()).listView->viewport(); }
  QPoint At(int row) {
    return Controls(app->ListWindow()).listView->visualRect(Model().index(row)).center();
  }
  QPoint BelowTheItems() {
    const QRect last =
        Controls(app->ListWindow()).listView->visualRect(Model().index(List().Count() - 1));
    return QPoint(last.center().x(), last.bottom() + 40);
  }
  void Send(QEvent::Type type, QPoint point, Qt::MouseButtons buttons,
            Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, QPointF(point), QPointF(Viewport()->mapToGlobal(point)), button,
                      buttons, modifiers);
    QApplication::sendEvent(Viewport(), &event);
  }
  void Press(QPoint point, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    Send(QEvent::MouseButtonPress, point, Qt::LeftButton, modifiers);
  }
  void Release(QPoint point) { Send(QEvent::MouseButtonRelease, point, Qt::NoButton); }
  void Click(int row, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    Press(At(row), modifiers);
    Release(At(row));
  }
  // Press on `from`, move in steps to `to` with the button held, release there.
  void Drag(QPoint from, QPoint to, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    Press(from, modifiers);
    Send(QEvent::MouseMove, from + QPoint(0, to.y() > from.y() ? 3 : -3), Qt::LeftButton);
    Send(QEvent::MouseMove, (from + to) / 2, Qt::LeftButton);
    Send(QEvent::MouseMove, to, Qt::LeftButton);
    Release(to);
  }
  std::string Order() {
    std::string out;
    for (const auto& item : List().Items()) out += item;
    return out;
  }
  Positions Selected() { return app->ListWindow().SelectedPositions(); }
};

}  // namespace

TEST_F(ShowListMouse, DragMovesTheSelectionByTheClampedDistance) {
  Click(1);
  Click(3, Qt::ControlModifier);
  ASSERT_EQ(Selected(), (Positions{1, 3}));
  const QPersistentModelIndex itemE(Model().index(4));
  Drag(At(1), At(4));
  EXPECT_EQ(Order(), "ACEBFD");
  EXPECT_TRUE(Selected().empty());
  EXPECT_EQ(itemE.row(), 2);  // references to items follow them
  EXPECT_EQ(Controls(app->ListWindow()).listView->currentIndex().row(), 4);
  EXPECT_FALSE(Controls(app->ListWindow()).listView->Dragging());

  // One item from position 5 up to position 2.
  List().Assign({"A", "B", "C", "D", "E", "F"});
  Click(5);
  Drag(At(5), At(2));
  EXPECT_EQ(Order(), "ABFCDE");
  EXPECT_EQ(Controls(app->ListWindow()).listView->PressPoint(), At(5));

  // The first selected item already at the top: an upward drag moves nothing.
  Click(0);
  Click(2, Qt::ControlModifier);
  Drag(At(2), At(1));
  EXPECT_EQ(Order(), "ABFCDE");
}

TEST_F(ShowListMouse, NoMoveWithoutADropOnAnItemOfTheList) {
  Click(1);
  Click(2, Qt::ShiftModifier);
  ASSERT_EQ(Selected(), (Positions{1, 2}));
  // Released outside the list.
  Drag(At(1), QPoint(Viewport()->width() + 60, At(4).y()));
  EXPECT_EQ(Order(), "ABCDEF");
  Drag(At(2), QPoint(At(4).x(), -30));
  EXPECT_EQ(Order(), "ABCDEF");
  // Dropped below the last item.
  Drag(At(1), BelowTheItems());
  EXPECT_EQ(Order(), "ABCDEF");
  // Dropped on the item where it started: the selection stays.
  Drag(At(2), At(2) + QPoint(7, 0));
  EXPECT_EQ(Order(), "ABCDEF");
  EXPECT_EQ(Selected(), (Positions{1, 2}));
  // A press on no item starts no drag.
  Drag(BelowTheItems(), At(0));
  EXPECT_EQ(Order(), "ABCDEF");
}

TEST_F(ShowListMouse, PressRulesDecideSelectionAndDrag) {
  Click(1);
  Click(3, Qt::ControlModifier);
  Click(4, Qt::ControlModifier);
  ASSERT_EQ(Selected(), (Positions{1, 3, 4}));

  // A plain click on an item of the selection, released before a drag: that item alone.
  Press(At(3));
  EXPECT_EQ(Selected(), (Positions{1, 3, 4}));
  Send(QEvent::MouseMove, At(3) + QPoint(4, 0), Qt::LeftButton);  // below the threshold
  EXPECT_FALSE(Controls(app->ListWindow()).listView->Dragging());
  Release(At(3) + QPoint(4, 0));
  EXPECT_EQ(Selected(), Positions{3});

  // Ctrl on a selected item, released before a drag: it leaves the selection.
  Click(5, Qt::ControlModifier);
  ASSERT_EQ(Selected(), (Positions{3, 5}));
  Click(5, Qt::ControlModifier);
  EXPECT_EQ(Selected(), Positions{3});

  // Ctrl on a selected item can begin a drag, and keeps the selection for it.
  Click(1, Qt::ControlModifier);
  Drag(At(1), At(2), Qt::ControlModifier);
  EXPECT_EQ(Order(), "ACBEDF");
  EXPECT_TRUE(Selected().empty());

  // Ctrl on an unselected item adds it and begins no drag.
  List().Assign({"A", "B", "C", "D", "E", "F"});
  Click(0);
  Drag(At(2), At(4), Qt::ControlModifier);
  EXPECT_EQ(Order(), "ABCDEF");
  EXPECT_EQ(Selected(), (Positions{0, 2}));

  // Shift selects the range from the last clicked item and begins no drag, even on a
  // selected item.
  Click(1);
  Click(4, Qt::ShiftModifier);
  EXPECT_EQ(Selected(), (Positions{1, 2, 3, 4}));
  Click(2, Qt::ShiftModifier);
  EXPECT_EQ(Selected(), (Positions{1, 2}));
  Drag(At(2), At(5), Qt::ShiftModifier);
  EXPECT_EQ(Order(), "ABCDEF");

  // A plain press elsewhere selects that item alone; on no item it clears the selection.
  Click(5);
  EXPECT_EQ(Selected(), Positions{5});
  Click(1, Qt::ShiftModifier | Qt::ControlModifier);
  EXPECT_EQ(Selected(), (Positions{1, 5}));
  Press(BelowTheItems());
  Release(BelowTheItems());
  EXPECT_TRUE(Selected().empty());
}

TEST_F(ShowListMouse, EveryPressIsRecorded) {
  const QPoint right = At(2) + QPoint(5, 1);
  QMouseEvent press(QEvent::MouseButtonPress, QPointF(right),
                    QPointF(Viewport()->mapToGlobal(right)), Qt::RightButton, Qt::RightButton,
                    Qt::NoModifier);
  QApplication::sendEvent(Viewport(), &press);
  EXPECT_EQ(Controls(app->ListWindow()).listView->PressPoint(), right);
  Press(At(4), Qt::ShiftModifier);
  EXPECT_EQ(Controls(app->ListWindow()).listView->PressPoint(), At(4));
  Release(At(4));
}

TEST_F(ShowListMouse, ShiftWithArrowKeysExtendsFromTheLastClickedItem) {
  Controls(app->ListWindow()).listView->setFocus();
  Click(2);
  KeyClick(Controls(app->ListWindow()).listView, Qt::Key_Down, Qt::ShiftModifier);
  KeyClick(Controls(app->ListWindow()).listView, Qt::Key_Down, Qt::ShiftModifier);
  EXPECT_EQ(Selected(), (Positions{2, 3, 4}));
  KeyClick(Controls(app->ListWindow()).listView, Qt::Key_Up);
  EXPECT_EQ(Selected(), Positions{3});
  KeyClick(Controls(app->ListWindow()).listView, Qt::Key_Up, Qt::ShiftModifier);
  EXPECT_EQ(Selected(), (Positions{2, 3}));
  Click(5);
  KeyClick(Controls(app->ListWindow()).listView, Qt::Key_Home, Qt::ShiftModifier);
  EXPECT_EQ(Selected(), (Positions{0, 1, 2, 3, 4, 5}));
}

TEST_F(ShowListMouse, EscapeDuringADragEndsItWithoutADrop) {
  Click(1);
  Press(At(1));
  Send(QEvent::MouseMove, At(3), Qt::LeftButton);
  ASSERT_TRUE(Controls(app->ListWindow()).listView->Dragging());
  KeyClick(Controls(app->ListWindow()).listView, Qt::Key_Escape);
  EXPECT_FALSE(Controls(app->ListWindow()).listView->Dragging());
  EXPECT_TRUE(app->ListWindow().isVisible());
  Release(At(3));
  EXPECT_EQ(Order(), "ABCDEF");
}

TEST_F(ShowListMouse, ClosingTheWindowEndsADragAndItsReleaseMovesNothing) {
  Click(0);
  Press(At(0));
  Send(QEvent::MouseMove, At(1), Qt::LeftButton);
  ASSERT_TRUE(Controls(app->ListWindow()).listView->Dragging());
  KeyClick(Controls(app->ListWindow()).listView, Qt::Key_X);
  EXPECT_FALSE(app->ListWindow().isVisible());
  EXPECT_FALSE(Controls(app->ListWindow()).listView->Dragging());
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
  Release(At(1));
  EXPECT_EQ(Order(), "ABCDEF");

  // The same when the window is closed another way (its title bar) during a drag.
  app->ListWindow().show();
  Click(2);
  Press(At(2));
  Send(QEvent::MouseMove, At(4), Qt::LeftButton);
  ASSERT_TRUE(Controls(app->ListWindow()).listView->Dragging());
  app->ListWindow().close();
  Release(At(4));
  EXPECT_EQ(Order(), "ABCDEF");
}

TEST_F(ShowListMouse, KeysDuringADragDoNotChangeWhatIsMoved) {
  Click(0);
  Press(At(0));
  Send(QEvent::MouseMove, At(2), Qt::LeftButton);
  ASSERT_TRUE(Controls(app->ListWindow()).listView->Dragging());
  KeyClick(Controls(app->ListWindow()).listView, Qt::Key_Down);
  KeyClick(Controls(app->ListWindow()).listView, Qt::Key_Down, Qt::ShiftModifier);
  KeyClick(Controls(app->ListWindow()).listView, Qt::Key_A, Qt::ControlModifier);
  EXPECT_EQ(Selected(), (Positions{0}));
  Release(At(2));
  EXPECT_EQ(Order(), "BCADEF");

  // A key between the press and the drag's start: no drag comes of that press.
  Click(5);
  Press(At(5));
  KeyClick(Controls(app->ListWindow()).listView, Qt::Key_Up);
  Send(QEvent::MouseMove, At(3), Qt::LeftButton);
  Send(QEvent::MouseMove, At(2), Qt::LeftButton);
  EXPECT_FALSE(Controls(app->ListWindow()).listView->Dragging());
  Release(At(2));
  EXPECT_EQ(Order(), "BCADEF");
}
