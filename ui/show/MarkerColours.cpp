#include "ui/show/MarkerColours.h"

#include "platform/SystemColours.h"

QColor MarkerColourOf(MarkerColour colour) {
  switch (colour) {
    case MarkerColour::HotLight:
      return QColor::fromRgb(platform::SystemColourRgb(platform::SystemColour::HotLight));
    case MarkerColour::GrayText:
      return QColor::fromRgb(platform::SystemColourRgb(platform::SystemColour::GrayText));
    case MarkerColour::Purple:
      break;
  }
  return QColor(0x80, 0x00, 0x80);
}
