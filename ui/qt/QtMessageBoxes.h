#pragma once
#include <QMessageBox>
#include <QRect>
#include <functional>
#include <vector>

#include "core/host/MessageBoxes.h"

class QtMessageBoxes : public host::MessageBoxes {
 public:
  void ShowError(const std::string& title, const std::string& text) override;
  void ShowWarning(const std::string& title, const std::string& text) override;
  // Yes is the default button: Enter answers it.
  bool AskYesNo(const std::string& title, const std::string& text) override;
  std::optional<std::string> StandingMessage() const override;
  bool CloseStandingMessage() override;

  // Where boxes are to stand, in screen coordinates: centred inside the rectangle it gives, or
  // where Qt puts them when it gives a null one. Over a maximised show each eye has its own
  // half of the screen, and a box across the middle would be half seen by each.
  void PlaceWithin(std::function<QRect()> area) { area_ = std::move(area); }

 private:
  int Show(QMessageBox::Icon icon, const std::string& title, const std::string& text,
           QMessageBox::StandardButtons buttons = QMessageBox::Ok,
           QMessageBox::StandardButton defaultButton = QMessageBox::NoButton);

  std::function<QRect()> area_;
  // The boxes standing now, the latest last, with their texts as given.
  struct Standing {
    QMessageBox* box;
    std::string text;
  };
  std::vector<Standing> standing_;
};

// The top left corner for a box of `size` centred in `area`, kept inside it where it fits.
QPoint PlaceCentred(const QSize& size, const QRect& area);
