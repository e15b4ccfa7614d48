#include "ui/qt/QtMessageBoxes.h"

#include <QApplication>
#include <QMessageBox>

#include "ui/qt/TextCodec.h"

namespace platform {

void QtMessageBoxes::ShowError(const std::string& title, const std::string& text) {
  QMessageBox box(QMessageBox::Critical, FromBytes(title), FromBytes(text), QMessageBox::Ok,
                  QApplication::activeWindow());
  box.exec();
}

void QtMessageBoxes::ShowWarning(const std::string& title, const std::string& text) {
  QMessageBox box(QMessageBox::Warning, FromBytes(title), FromBytes(text), QMessageBox::Ok,
                  QApplication::activeWindow());
  box.exec();
}

}  // namespace platform
