#include "ui/show/FloatingValueWindow.h"

#include <QFont>
#include <QLabel>
#include <QLineEdit>

#include "core/RunGuarded.h"
#include "ui/qt/QStringBytes.h"

namespace {
constexpr int kEnterKey = 13;
}  // namespace

FloatingValueWindow::FloatingValueWindow(Services& services)
    : QWidget(nullptr), services_(services) {
  setWindowTitle(QStringLiteral("Floating window"));
  QFont font(QStringLiteral("Tahoma"));
  font.setPixelSize(16);
  setFont(font);
  resize(203, 82);
  move(0, 0);

  captionLabel = new QLabel(QStringLiteral("Float in %"), this);
  captionLabel->setGeometry(8, 30, 80, 22);
  valueEdit = new QLineEdit(QStringLiteral("0"), this);
  valueEdit->setGeometry(92, 26, 100, 28);
  // Return and the keypad's Enter both arrive as the one Enter key.
  connect(valueEdit, &QLineEdit::returnPressed, this, [this] { ValueKeyPress(kEnterKey); });
}

void FloatingValueWindow::ValueKeyPress(int key) {
  if (key != kEnterKey) return;
  RunGuarded(services_, [this] {
    if (onValueEntered) onValueEntered(ToBytes(valueEdit->text()));
  });
}
