#include <QImage>
#include <QPixmap>

#include "UiFixture.h"
#include "core/show/ShowState.h"
#include "ui/controls/Shape.h"
#include "ui/show/EyeCheckCard.h"
#include "ui/show/ShowWindow.h"

namespace {

bool Near(QColor a, QColor b, int tolerance = 40) {
  return std::abs(a.red() - b.red()) <= tolerance && std::abs(a.green() - b.green()) <= tolerance &&
         std::abs(a.blue() - b.blue()) <= tolerance;
}

class EyeCheck : public UiFixture {
 protected:
  EyeCheck() {
    Activate();
    app->List().Assign({"a.avi", "b.avi"});
    if (app->State().helpVisible)
      KeyDown(Key::H);  // the help text would stand over the card's middle
  }
  void KeyDown(Key key) { app->ShowWindow().KeyDown(key); }
  // The show window as drawn, at `width` x `height` client pixels.
  QImage Drawn(int width, int height) {
    app->ShowWindow().resize(width, height);
    QImage image = app->ShowWindow().grab().toImage().convertToFormat(QImage::Format_RGB32);
    if (const char* keep = std::getenv("QUADREL_KEEP_DRAWINGS"))
      image.save(QString::fromLocal8Bit(keep) +
                 QStringLiteral("/card-%1x%2.png").arg(width).arg(height));
    return image;
  }
  QColor At(const QImage& image, int x, int y) { return image.pixelColor(x, y); }

  // The letter's pixels in one half: their bounding box, and how many fall into its upper right
  // quarter beside the stem (where an "R" has its bowl and an "L" nothing).
  struct Letter {
    QRect box;
    int upperRight = 0;
    int total = 0;
  };
  Letter FindLetter(const QImage& image, const EyeCheckLayout& layout, int origin) {
    Letter letter;
    const auto& b = layout.letter;
    const int margin = b.width / 2;
    for (int y = b.top - margin; y < b.top + b.height + margin; ++y)
      for (int x = b.left - margin; x < b.left + b.width + margin; ++x)
        if (Near(At(image, origin + x, y), EyeCheckCard::kLetter, 60)) {
          letter.box |= QRect(x, y, 1, 1);
          ++letter.total;
        }
    const QRect upperRight(letter.box.left() + letter.box.width() * 5 / 10, letter.box.top(),
                           letter.box.width() / 2, letter.box.height() * 4 / 10);
    for (int y = upperRight.top(); y <= upperRight.bottom(); ++y)
      for (int x = upperRight.left(); x <= upperRight.right(); ++x)
        if (Near(At(image, origin + x, y), EyeCheckCard::kLetter, 60)) ++letter.upperRight;
    return letter;
  }

  // Every check of one drawing: both halves, each its own eye.
  void CheckCard(const QImage& image) {
    const int half = image.width() / 2;
    const int height = image.height();
    const EyeCheckLayout layout = LayOutEyeCheck(half, height);
    for (int eye = 0; eye < 2; ++eye) {
      const bool left = eye == 0;
      const int origin = left ? 0 : half;
      SCOPED_TRACE(left ? "left half" : "right half");
      // The one-pixel border (away from the corner indicator), black just inside it.
      const int y = height * 35 / 100;
      EXPECT_EQ(At(image, origin, y), EyeCheckCard::kBorder);
      EXPECT_EQ(At(image, origin + half - 1, y), EyeCheckCard::kBorder);
      EXPECT_EQ(At(image, origin + 1, y), QColor(Qt::black));
      EXPECT_EQ(At(image, origin + half * 3 / 4, 0), EyeCheckCard::kBorder);
      EXPECT_EQ(At(image, origin + half * 3 / 4, height - 1), EyeCheckCard::kBorder);
      // Grid lines at the computed columns and rows, black beside them.
      for (int column : {layout.gridColumns[0], layout.gridColumns[8]}) {
        EXPECT_EQ(At(image, origin + column, height * 95 / 100), EyeCheckCard::kGrid) << column;
        EXPECT_EQ(At(image, origin + column + 1, height * 95 / 100), QColor(Qt::black));
      }
      EXPECT_EQ(At(image, origin + half * 5 / 100, layout.gridRows[2]), EyeCheckCard::kGrid);
      EXPECT_EQ(At(image, origin + half * 5 / 100, layout.gridRows[2] + 1), QColor(Qt::black));
      // The centre cross: its ends, and grid beyond them.
      const int cx = origin + layout.centreX;
      EXPECT_EQ(At(image, cx, layout.centreY), EyeCheckCard::kBorder);
      EXPECT_EQ(At(image, cx - layout.crossArm, layout.centreY), EyeCheckCard::kBorder);
      EXPECT_EQ(At(image, cx + layout.crossArm, layout.centreY), EyeCheckCard::kBorder);
      EXPECT_EQ(At(image, cx, layout.centreY - layout.crossArm), EyeCheckCard::kBorder);
      EXPECT_EQ(At(image, cx, layout.centreY + layout.crossArm), EyeCheckCard::kBorder);
      EXPECT_EQ(At(image, cx + layout.crossArm + 1, layout.centreY), EyeCheckCard::kGrid);
      // The depth square: right of centre for the left eye, left of it for the right eye.
      const auto square = layout.Shifted(layout.square, left);
      const int sy = square.top + square.height / 2;
      EXPECT_EQ(At(image, origin + square.left, sy), EyeCheckCard::kSquare);
      EXPECT_EQ(At(image, origin + square.left + square.width - 1, sy), EyeCheckCard::kSquare);
      EXPECT_NE(At(image, origin + square.left - 1, sy), EyeCheckCard::kSquare);
      EXPECT_NE(At(image, origin + square.left + square.width, sy), EyeCheckCard::kSquare);
      EXPECT_EQ(square.left - layout.square.left,
                left ? layout.squareOffset : -layout.squareOffset);
      // The label under it is drawn.
      const auto label = layout.Shifted(layout.label, left);
      int labelPixels = 0;
      for (int ly = label.top; ly < label.top + label.height; ++ly)
        for (int lx = label.left; lx < label.left + label.width; ++lx)
          if (Near(At(image, origin + lx, ly), EyeCheckCard::kLabel, 60)) ++labelPixels;
      EXPECT_GT(labelPixels, layout.labelPixels) << "no \"in front\" under the square";
      // The eye's letter: an L has nothing in its upper right, an R its bowl there.
      const Letter letter = FindLetter(image, layout, origin);
      EXPECT_GT(letter.box.height(), layout.letterPixels / 2);
      if (left)
        EXPECT_LT(letter.upperRight, letter.total / 20) << "no L in the left half";
      else
        EXPECT_GT(letter.upperRight, letter.total / 8) << "no R in the right half";
    }
  }
};

}  // namespace

TEST_F(EyeCheck, BothHalvesAtTwoWindowSizes) {
  KeyDown(Key::T);
  ASSERT_FALSE(ShowControls().eyeCheckCard()->isHidden());
  {
    SCOPED_TRACE("windowed");
    CheckCard(Drawn(792, 573));
  }
  {
    SCOPED_TRACE("a full 1280 x 1024 screen");
    CheckCard(Drawn(1280, 1024));
  }
}

TEST_F(EyeCheck, OffAgainLeavesNothingBehindAndIsNeverSaved) {
  KeyDown(Key::Q);  // a key without a command: the labels and the corner indicator as after any key
  const QImage before = Drawn(792, 573);
  KeyDown(Key::T);
  EXPECT_FALSE(ShowControls().eyeCheckCard()->isHidden());
  KeyDown(Key::T);
  EXPECT_TRUE(ShowControls().eyeCheckCard()->isHidden());
  EXPECT_EQ(Drawn(792, 573), before);

  KeyDown(Key::T);
  ASSERT_TRUE(app->ShowWindow().close());
  EXPECT_EQ(dir.read("quadrel.INI").find("EyeCheck"), std::string::npos);
}

TEST_F(EyeCheck, FloatingFrameStaysDrawnOverTheCard) {
  KeyDown(Key::T);
  KeyDown(Key::F);
  ASSERT_FALSE(ShowControls().frameRectLeft()->isHidden());
  const QImage image = Drawn(792, 573);
  Shape* rectangle = ShowControls().frameRectLeft();
  const int y = image.height() * 35 / 100;
  // The rectangle's outline over the card, and the card's grid still showing inside it.
  EXPECT_EQ(image.pixelColor(rectangle->x(), y), rectangle->PenColour());
  const EyeCheckLayout layout = LayOutEyeCheck(image.width() / 2, image.height());
  const int row = layout.gridRows[1];
  const int inside = rectangle->x() + rectangle->width() / 2 + 3;
  ASSERT_LT(inside, rectangle->x() + rectangle->width() - 1);
  EXPECT_EQ(image.pixelColor(inside, row), EyeCheckCard::kGrid);
  // Off again, the rectangles are black inside as before.
  KeyDown(Key::T);
  EXPECT_EQ(rectangle->BrushColour(), QColor(Qt::black));
  EXPECT_EQ(Drawn(792, 573).pixelColor(inside, row), QColor(Qt::black));
}
