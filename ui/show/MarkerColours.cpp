#include "ui/show/MarkerColours.h"

#include "ui/qt/SystemLook.h"

QColor MarkerColourOf(MarkerColour colour) {
  switch (colour) {
    case MarkerColour::HotLight:
      return SystemColour(platform::SystemColour::HotLight);
    case MarkerColour::GrayText:
      return SystemColour(platform::SystemColour::GrayText);
    case MarkerColour::Purple:
      break;
  }
  return QColor(0x80, 0x00, 0x80);
}
