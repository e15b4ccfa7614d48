#include "ui/qt/QtMessageBoxes.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <algorithm>

#include "ui/qt/QStringBytes.h"

namespace {

// A message box moved into its area as it is shown, after it has taken its final size and
// before it is on the screen, so it never appears elsewhere first.
class PlacedMessageBox : public QMessageBox {
 public:
  using QMessageBox::QMessageBox;
  QRect area;

 protected:
  void showEvent(QShowEvent* event) override {
    QMessageBox::showEvent(event);
    if (!area.isNull()) move(PlaceCentred(frameGeometry().size(), area));
  }
};

}  // namespace

QPoint PlaceCentred(const QSize& size, const QRect& area) {
  QRect box(QPoint(), size);
  box.moveCenter(area.center());
  // Too wide or too high for the area: its left or top edge stays in it.
  box.moveLeft(std::max(area.left(), std::min(box.left(), area.right() + 1 - box.width())));
  box.moveTop(std::max(area.top(), std::min(box.top(), area.bottom() + 1 - box.height())));
  return box.topLeft();
}

void QtMessageBoxes::ShowError(const std::string& title, const std::string& text) {
  Show(QMessageBox::Critical, title, text);
}

void QtMessageBoxes::ShowWarning(const std::string& title, const std::string& text) {
  Show(QMessageBox::Warning, title, text);
}

bool QtMessageBoxes::AskYesNo(const std::string& title, const std::string& text) {
  return Show(QMessageBox::Question, title, text, QMessageBox::Yes | QMessageBox::No,
              QMessageBox::Yes) == QMessageBox::Yes;
}

int QtMessageBoxes::Show(QMessageBox::Icon icon, const std::string& title, const std::string& text,
                         QMessageBox::StandardButtons buttons,
                         QMessageBox::StandardButton defaultButton) {
  PlacedMessageBox box(icon, FromBytes(title), FromBytes(text), buttons,
                       QApplication::activeWindow());
  if (defaultButton != QMessageBox::NoButton) box.setDefaultButton(defaultButton);
  // Closing the box answers No.
  if (buttons & QMessageBox::No) box.setEscapeButton(QMessageBox::No);
  if (area_) box.area = area_();
  // Listed while it stands, also when the event loop inside is left by an exception.
  standing_.push_back({&box, text});
  struct Listed {
    std::vector<Standing>& list;
    ~Listed() { list.pop_back(); }
  } listed{standing_};
  return box.exec();
}

std::optional<std::string> QtMessageBoxes::StandingMessage() const {
  if (standing_.empty()) return std::nullopt;
  return standing_.back().text;
}

bool QtMessageBoxes::CloseStandingMessage() {
  if (standing_.empty()) return false;
  QMessageBox& box = *standing_.back().box;
  // As closing it: OK for a message, No for a question.
  QAbstractButton* button = box.button(QMessageBox::Ok);
  if (!button) button = box.button(QMessageBox::No);
  if (button)
    button->click();
  else
    box.reject();
  return true;
}
