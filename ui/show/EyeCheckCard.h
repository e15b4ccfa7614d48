#pragma once
#include <QColor>
#include <QWidget>

#include "core/show/EyeCheckLayout.h"

// The eye check card over the whole show window: in each half its own eye's letter, a one-pixel
// border, a grid every 10 % with a centre cross, and a depth square that, with the eyes in the
// right order, is seen in front of the screen. Takes no input.
class EyeCheckCard : public QWidget {
 public:
  static const QColor kBorder;  // border and centre cross
  static const QColor kGrid;
  static const QColor kLetter;
  static const QColor kSquare;
  static const QColor kLabel;

  explicit EyeCheckCard(QWidget* parent);

  // Each half's width: the window's width halved, so both halves are the same.
  int HalfWidth() const { return width() / 2; }

 protected:
  void paintEvent(QPaintEvent*) override;

 private:
  void PaintHalf(class QPainter& painter, const EyeCheckLayout& layout, bool left);
};
