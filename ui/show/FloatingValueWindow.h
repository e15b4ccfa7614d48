#pragma once
#include <QWidget>

#include "core/Services.h"

class QLabel;
class QLineEdit;

// The floating value window: the operator types the floating value here and confirms it with
// Enter, which lays out and shows the floating frame on the show window.
class TForm1 : public QWidget {
  Q_OBJECT
 public:
  explicit TForm1(Services& services);

  QLabel* Label1;
  QLineEdit* Edit_Float;

  // A key typed into Edit_Float; Enter (13) takes the value, the others are ordinary editing.
  void Edit_FloatKeyPress(int key);

 private:
  Services& services_;
};

extern TForm1* Form1;
