#include <QApplication>
#include <QPalette>

#include "platform/SystemColours.h"

namespace platform {

uint32_t SystemColourRgb(SystemColour colour) {
  const QPalette palette = QApplication::palette();
  const QColor c = colour == SystemColour::HotLight
                       ? palette.color(QPalette::Active, QPalette::Link)
                       : palette.color(QPalette::Disabled, QPalette::Text);
  return static_cast<uint32_t>(c.rgb() & 0xFFFFFF);
}

}  // namespace platform
