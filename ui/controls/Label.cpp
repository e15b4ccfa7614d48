#include "ui/controls/Label.h"

#include <QFontMetricsF>
#include <algorithm>
#include <cmath>

QSize Label::sizeHint() const {
  const QFontMetricsF metrics(font());
  // Rounded up, so the last glyph is never clipped by a fraction of a pixel.
  const int width = static_cast<int>(std::ceil(metrics.horizontalAdvance(text())));
  const int height = static_cast<int>(std::ceil(metrics.height()));
  const QMargins m = contentsMargins();
  return QSize(width + m.left() + m.right() + 2 * margin(),
               height + m.top() + m.bottom() + 2 * margin());
}

void Label::SetTextWithin(const QString& text, int maxWidth) {
  fullText_ = text;
  FitWithin(maxWidth);
}

void Label::FitWithin(int maxWidth) {
  if (fullText_.isEmpty()) {
    if (!text().isEmpty()) clear();
    resize(0, 0);
    return;
  }
  const QMargins m = contentsMargins();
  const int frame = m.left() + m.right() + 2 * margin();
  const int room = std::max(0, maxWidth - frame);
  const QFontMetricsF metrics(font());
  // One measure of the text serves both the test and the size, as in sizeHint().
  qreal advance = metrics.horizontalAdvance(fullText_);
  QString shown = fullText_;
  if (advance > room) {
    shown = metrics.elidedText(fullText_, Qt::ElideMiddle, room);
    advance = metrics.horizontalAdvance(shown);
  }
  if (shown != text()) setText(shown);
  // Never wider than the room, even by the rounding of a glyph's advance.
  const int width = std::min(static_cast<int>(std::ceil(advance)) + frame, std::max(0, maxWidth));
  resize(width,
         static_cast<int>(std::ceil(metrics.height())) + m.top() + m.bottom() + 2 * margin());
}
