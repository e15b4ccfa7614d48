#include <gtest/gtest.h>
#include <QFont>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QWidget>

#include "ui/controls/Label.h"

namespace {

QFont InfoFont() {
  QFont font("Arial");
  font.setPixelSize(21);
  font.setBold(true);
  return font;
}

// Texts an operator's list may hold: kerning pairs, wide and narrow letters, Latin-1 letters,
// separators, a long path.
const QString kTexts[] = {
    "1",
    "END",
    "1000000",
    "intro.avi",
    "AVATAR To Yo.",
    "WWWWWWWWWW",
    "iiiiiiiiii",
    "clips\\Caf\u00e9 d\u00e9j\u00e0 vu \u00c6\u00d8\u00c5.avi",
    "C:\\Shows\\2026\\" + QString(200, 'x') + ".vbs",
};

}  // namespace

// The show window sizes its labels with one measure instead of QLabel's three layouts; the
// result must still hold the whole text, as QLabel's own size does, and no more than a pixel
// wider or taller.
TEST(LabelTest, SizedToItsTextLikeALabel) {
  for (const QFont& font : {InfoFont(), QFont()}) {
    for (const QString& text : kTexts) {
      // Children, as on the show window: a label without a parent would be a window, whose
      // size Qt keeps within the screen.
      QWidget parent;
      Label ours(&parent);
      QLabel qt(&parent);
      for (QLabel* label : {static_cast<QLabel*>(&ours), &qt}) {
        label->setFont(font);
        label->setTextFormat(Qt::PlainText);
        label->setText(text);
        label->adjustSize();
      }
      SCOPED_TRACE(text.toStdString());
      EXPECT_GE(ours.width(), qt.width());
      EXPECT_LE(ours.width(), qt.width() + 1);
      EXPECT_GE(ours.height(), qt.height());
      EXPECT_LE(ours.height(), qt.height() + 1);
    }
  }
}

// Nothing of the text is cut off: every column the text inks when drawn without limits lies
// inside the label.
TEST(LabelTest, NoGlyphIsClipped) {
  for (const QString& text : kTexts) {
    QWidget parent;
    Label label(&parent);
    label.setFont(InfoFont());
    label.setText(text);
    label.adjustSize();
    QImage image(label.width() + 100, label.height() + 20, QImage::Format_RGB32);
    image.fill(Qt::black);
    {
      QPainter painter(&image);
      painter.setFont(InfoFont());
      painter.setPen(Qt::white);
      painter.drawText(QRect(0, 0, image.width(), label.height()), Qt::AlignLeft | Qt::AlignVCenter,
                       text);
    }
    int rightmost = -1;
    for (int x = 0; x < image.width(); ++x)
      for (int y = 0; y < image.height(); ++y)
        if (image.pixel(x, y) != QColor(Qt::black).rgb()) rightmost = x;
    SCOPED_TRACE(text.toStdString());
    EXPECT_LT(rightmost, label.width());
  }
}

TEST(LabelTest, EmptyTextHasNoWidth) {
  QWidget parent;
  Label label(&parent);
  label.setFont(InfoFont());
  label.setText("intro.avi");
  label.adjustSize();
  label.clear();
  label.adjustSize();
  EXPECT_EQ(label.width(), 0);
}
