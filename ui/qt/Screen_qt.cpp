#include <QGuiApplication>
#include <QScreen>

#include "platform/Screen.h"

namespace platform {
namespace {

class QtScreen : public Screen {
 public:
  ScreenSize Size() override {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return {};
    const QRect r = screen->geometry();
    return {r.width(), r.height()};
  }
};

}  // namespace

Screen& SystemScreen() {
  static QtScreen screen;
  return screen;
}

}  // namespace platform
