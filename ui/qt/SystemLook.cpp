#include "ui/qt/SystemLook.h"

#include <QApplication>
#include <QGuiApplication>
#include <QPalette>
#include <QScreen>

namespace {

class SystemScreen : public host::Screen {
 public:
  std::vector<host::ScreenInfo> Screens() override {
    std::vector<host::ScreenInfo> screens;
    const QScreen* primary = QGuiApplication::primaryScreen();
    for (const QScreen* screen : QGuiApplication::screens()) {
      const QRect r = screen->geometry();
      host::ScreenInfo info{
          screen->name().toStdString(), {r.x(), r.y(), r.width(), r.height()}, screen == primary};
      // The primary screen's size as the system reports it, where it has a call for it.
      if (info.primary) {
        if (const auto size = platform::PrimaryScreenSize()) {
          info.area.width = size->width;
          info.area.height = size->height;
        }
      }
      screens.push_back(std::move(info));
    }
    return screens;
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
