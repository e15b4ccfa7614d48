#include "ui/show/FloatingValueWindow.h"

#include <QFont>
#include <QLabel>
#include <QLineEdit>

#include "core/RunGuarded.h"
#include "ui/qt/QStringBytes.h"

FloatingValueWindow::FloatingValueWindow(Services& services)
    : QWidget(nullptr), services_(services) {
  setWindowTitle(QStringLiteral("Floating window"));
  QFont font(QStringLiteral("Tahoma"));
  font.setPixelSize(16);
  setFont(font);
  resize(203, 82);
  move(0, 0);

  captionLabel_ = new QLabel(QStringLiteral("Float in %"), this);
  captionLabel_->setGeometry(8, 30, 80, 22);
  valueEdit_ = new QLineEdit(QStringLiteral("0"), this);
  valueEdit_->setGeometry(92, 26, 100, 28);
  // Return and the keypad's Enter both arrive as returnPressed; other keys are editing.
  connect(valueEdit_, &QLineEdit::returnPressed, this, [this] { ValueConfirmed(); });
}

void FloatingValueWindow::ShowValue(const std::string& value) {
  valueEdit_->setText(FromBytes(value));
}

void FloatingValueWindow::ValueConfirmed() {
  RunGuarded(services_, [this] {
    if (onValueEntered) onValueEntered(ToBytes(valueEdit_->text()));
  });
}
