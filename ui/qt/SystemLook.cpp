#include "ui/qt/SystemLook.h"

#include <QApplication>
#include <QGuiApplication>
#include <QPalette>
#include <QScreen>

namespace {

class SystemScreen : public host::Screen {
 public:
  host::ScreenSize Size() override {
    if (const auto size = platform::PrimaryScreenSize()) return {size->width, size->height};
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return {};
    const QRect r = screen->geometry();
    return {r.width(), r.height()};
  }
};

}  // namespace

std::unique_ptr<host::Screen> MakeSystemScreen() {
  return std::make_unique<SystemScreen>();
}

QColor SystemColour(platform::SystemColour role) {
  if (const auto rgb = platform::SystemColourRgb(role)) return QColor::fromRgb(*rgb);
  const QPalette palette = QApplication::palette();
  return role == platform::SystemColour::HotLight
             ? palette.color(QPalette::Active, QPalette::Link)
             : palette.color(QPalette::Disabled, QPalette::Text);
}
