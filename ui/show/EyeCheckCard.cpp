#include "ui/show/EyeCheckCard.h"

#include <QPainter>

const QColor EyeCheckCard::kBorder(255, 255, 255);
const QColor EyeCheckCard::kGrid(96, 96, 96);
const QColor EyeCheckCard::kLetter(255, 200, 0);
const QColor EyeCheckCard::kSquare(0, 200, 0);
const QColor EyeCheckCard::kLabel(255, 255, 255);

EyeCheckCard::EyeCheckCard(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setFocusPolicy(Qt::NoFocus);
}

void EyeCheckCard::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::black);
  const EyeCheckLayout layout = LayOutEyeCheck(HalfWidth(), height());
  painter.save();
  PaintHalf(painter, layout, true);
  painter.restore();
  painter.translate(HalfWidth(), 0);
  PaintHalf(painter, layout, false);
}

void EyeCheckCard::PaintHalf(QPainter& painter, const EyeCheckLayout& layout, bool left) {
  if (layout.width < 1) return;
  // Lines sit exactly on their pixels: no smoothing, one-pixel cosmetic pens.
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setPen(QPen(kGrid, 0));
  for (int x : layout.gridColumns) painter.drawLine(x, 0, x, layout.height - 1);
  for (int y : layout.gridRows) painter.drawLine(0, y, layout.width - 1, y);

  painter.setPen(QPen(kBorder, 0));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(0, 0, layout.width - 1, layout.height - 1);
  painter.drawLine(layout.centreX - layout.crossArm, layout.centreY,
                   layout.centreX + layout.crossArm, layout.centreY);
  painter.drawLine(layout.centreX, layout.centreY - layout.crossArm, layout.centreX,
                   layout.centreY + layout.crossArm);

  painter.setRenderHint(QPainter::TextAntialiasing, true);
  QFont letterFont(QStringLiteral("Arial"));
  letterFont.setPixelSize(layout.letterPixels);
  letterFont.setBold(true);
  painter.setFont(letterFont);
  painter.setPen(kLetter);
  const auto& l = layout.letter;
  painter.drawText(QRect(l.left, l.top, l.width, l.height), Qt::AlignCenter,
                   left ? QStringLiteral("L") : QStringLiteral("R"));

  const auto square = layout.Shifted(layout.square, left);
  painter.fillRect(square.left, square.top, square.width, square.height, kSquare);

  QFont labelFont(QStringLiteral("Arial"));
  labelFont.setPixelSize(layout.labelPixels);
  labelFont.setBold(true);
  painter.setFont(labelFont);
  painter.setPen(kLabel);
  const auto label = layout.Shifted(layout.label, left);
  painter.drawText(QRect(label.left, label.top, label.width, label.height), Qt::AlignCenter,
                   QStringLiteral("in front"));
}
