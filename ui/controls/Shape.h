#pragma once
#include <QColor>
#include <QWidget>

// A rectangle drawn with a one-pixel pen over a solid brush; takes no input.
class Shape : public QWidget {
 public:
  Shape(QWidget* parent, QColor pen, QColor brush);
  void SetPenColour(QColor colour);
  void SetBrushColour(QColor colour);
  QColor PenColour() const { return pen_; }
  QColor BrushColour() const { return brush_; }
  // Places the shape; a width or height below zero is drawn as zero.
  void Place(long long left, long long top, long long width, long long height);

 protected:
  void paintEvent(QPaintEvent*) override;

 private:
  QColor pen_;
  QColor brush_;
};
