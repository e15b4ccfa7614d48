#include <QGuiApplication>
#include <QScreen>
#include <memory>

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

std::unique_ptr<Screen> MakeSystemScreen() {
  return std::make_unique<QtScreen>();
}

}  // namespace platform
