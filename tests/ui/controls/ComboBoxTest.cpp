#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>

#include "ui/controls/ComboBox.h"

namespace {
void Key(QObject* target, int key) {
  QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
  QApplication::sendEvent(target, &press);
}
}  // namespace

TEST(ComboBoxTest, OnlyChoosingFromTheListSetsTheIndex) {
  ComboBox box(nullptr, {"default", "UTF-8", "UTF-16"}, "default");
  EXPECT_EQ(box.Chosen(), -1);
  EXPECT_EQ(box.Text(), "default");

  // Typing a list entry, even with Enter, chooses nothing.
  box.lineEdit()->setText("UTF-8");
  Key(box.lineEdit(), Qt::Key_Return);
  EXPECT_EQ(box.Chosen(), -1);
  EXPECT_EQ(box.Text(), "UTF-8");

  // Choosing from the list (an arrow key on the box) does.
  Key(&box, Qt::Key_Down);
  EXPECT_EQ(box.Chosen(), 0);
  EXPECT_EQ(box.Text(), "default");
  Key(&box, Qt::Key_Down);
  EXPECT_EQ(box.Chosen(), 1);
  EXPECT_EQ(box.Text(), "UTF-8");

  // Typing afterwards keeps the chosen position and changes only the text.
  box.lineEdit()->setText("typed");
  EXPECT_EQ(box.Chosen(), 1);
  EXPECT_EQ(box.Text(), "typed");
}

TEST(ComboBoxTest, ChooseFollowsTheControlRules) {
  ComboBox box(nullptr, {"default", "Arial", "Courier New"}, "default");
  box.Choose(-1);  // the index it already has: text kept
  EXPECT_EQ(box.Text(), "default");
  box.Choose(2);
  EXPECT_EQ(box.Chosen(), 2);
  EXPECT_EQ(box.Text(), "Courier New");
  box.lineEdit()->setText("typed");
  box.Choose(2);
  EXPECT_EQ(box.Text(), "typed");
  box.Choose(3);  // beyond the items
  EXPECT_EQ(box.Chosen(), -1);
  EXPECT_EQ(box.Text(), "");
  box.Choose(0);
  box.Choose(-1);
  EXPECT_EQ(box.Chosen(), -1);
  EXPECT_EQ(box.Text(), "");
  box.Choose(1);
  box.Choose(-7);
  EXPECT_EQ(box.Chosen(), -1);
}
