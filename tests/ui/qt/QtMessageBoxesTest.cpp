#include <gtest/gtest.h>

#include <QTimer>
#include <optional>
#include <string>

#include "ui/qt/QtMessageBoxes.h"

TEST(PlaceCentred, CentresInTheAreaAndKeepsTheCornerInsideWhenTooLarge) {
  const QRect rightHalf(960, 0, 960, 1080);
  EXPECT_EQ(PlaceCentred(QSize(400, 200), rightHalf), QPoint(1240, 440));
  // Wider or higher than the area: its left and top edges stay in it rather than across the
  // middle of the screen at both ends.
  EXPECT_EQ(PlaceCentred(QSize(1200, 200), rightHalf), QPoint(960, 440));
  EXPECT_EQ(PlaceCentred(QSize(400, 1500), rightHalf), QPoint(1240, 0));
}

TEST(QtMessageBoxes, TheStandingBoxIsSeenAndClosedFromOutsideAsClosingItWouldAnswer) {
  QtMessageBoxes boxes;
  EXPECT_FALSE(boxes.StandingMessage());
  EXPECT_FALSE(boxes.CloseStandingMessage());
  std::optional<std::string> seen;
  QTimer::singleShot(0, [&] {
    seen = boxes.StandingMessage();
    EXPECT_TRUE(boxes.CloseStandingMessage());
  });
  boxes.ShowError("quadrel", "It could not be started");
  EXPECT_EQ(seen, "It could not be started");
  EXPECT_FALSE(boxes.StandingMessage());
  // A question closed so is answered No, even where Yes is the default button.
  QTimer::singleShot(0, [&] { boxes.CloseStandingMessage(); });
  EXPECT_FALSE(boxes.AskYesNo("quadrel", "Go on?"));
}
