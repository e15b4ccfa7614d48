#include "ui/controls/Label.h"

#include <QFontMetricsF>
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
