#include "ui/controls/Shape.h"

#include <QPainter>
#include <algorithm>
#include <climits>

namespace {
// Qt geometry is 32-bit; far-off values are clamped to what a screen can show.
int Clamp(long long v) {
  return static_cast<int>(std::clamp<long long>(v, -(1 << 24), 1 << 24));
}
}  // namespace

Shape::Shape(QWidget* parent, QColor pen, QColor brush)
    : QWidget(parent), pen_(pen), brush_(brush) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setFocusPolicy(Qt::NoFocus);
}

void Shape::SetPenColour(QColor colour) {
  pen_ = colour;
  update();
}

void Shape::SetBrushColour(QColor colour) {
  brush_ = colour;
  update();
}

void Shape::Place(long long left, long long top, long long width, long long height) {
  setGeometry(Clamp(left), Clamp(top), Clamp(std::max(0LL, width)), Clamp(std::max(0LL, height)));
}

void Shape::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), brush_);
  painter.setPen(QPen(pen_, 1));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(0, 0, width() - 1, height() - 1);
}
