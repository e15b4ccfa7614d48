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
  const QMargins m = contentsMargins();
  const int room = std::max(0, maxWidth - m.left() - m.right() - 2 * margin());
  const QFontMetricsF metrics(font());
  const QString shown = metrics.horizontalAdvance(fullText_) <= room
                            ? fullText_
                            : metrics.elidedText(fullText_, Qt::ElideMiddle, room);
  if (shown != text()) setText(shown);
  if (shown.isEmpty()) {
    resize(0, 0);
    return;
  }
  adjustSize();
  // Never wider than the room, even by the rounding of a glyph's advance.
  if (width() > maxWidth) resize(std::max(0, maxWidth), height());
}
