#include "ui/show/FloatingValueWindow.h"

#include <QFont>
#include <QLabel>
#include <QLineEdit>

#include "ui/controls/Shape.h"
#include "ui/qt/TextCodec.h"
#include "core/show/ShowState.h"
#include "core/HandlerGuard.h"
#include "ui/show/ShowWindow.h"

TForm1* Form1 = nullptr;

namespace {
constexpr int kEnterKey = 13;
}  // namespace

TForm1::TForm1(Services& services) : QWidget(nullptr), services_(services) {
  setWindowTitle(QStringLiteral("Floating window"));
  QFont font(QStringLiteral("Tahoma"));
  font.setPixelSize(16);
  setFont(font);
  resize(203, 82);
  move(0, 0);

  Label1 = new QLabel(QStringLiteral("Float in %"), this);
  Label1->setGeometry(8, 30, 80, 22);
  Edit_Float = new QLineEdit(QStringLiteral("0"), this);
  Edit_Float->setGeometry(92, 26, 100, 28);
  // Return and the keypad's Enter both arrive as the one Enter key.
  connect(Edit_Float, &QLineEdit::returnPressed, this, [this] { Edit_FloatKeyPress(kEnterKey); });
}

void TForm1::Edit_FloatKeyPress(int key) {
  if (key != kEnterKey) return;
  RunGuarded(services_, [this] {
    ShowState.FloatingValueText = ToBytes(Edit_Float->text());
    // Hiding hands the keyboard back to the show window, whose activation hides the frame;
    // it runs now so that showing the frame below comes after it.
    hide();
    Form_Main->ActivateFromFloating();
    // A value that is no number ends the handler here and leaves the frame hidden.
    Form_Main->LayoutFloatingFrame();
    for (TShape* shape : Form_Main->FrameShapes()) shape->setVisible(true);
  });
}
