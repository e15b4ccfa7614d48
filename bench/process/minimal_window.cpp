// The baseline for start-up time and memory: the smallest Qt Widgets program that shows one
// window of the show window's size. Any key closes it.
#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

namespace {

class Window : public QWidget {
 protected:
  void keyPressEvent(QKeyEvent*) override { close(); }
};

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  Window window;
  window.setWindowTitle(QStringLiteral("Minimal window"));
  window.resize(792, 573);
  window.show();
  return app.exec();
}
