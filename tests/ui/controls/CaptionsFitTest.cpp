#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QWidget>

#include "UiFixture.h"
#include "ui/controls/RadioGroup.h"
#include "ui/players/BinoSettingsWindow.h"
#include "ui/players/SPlayerSettingsWindow.h"
#include "ui/showlist/ShowListWindow.h"

namespace {

class CaptionsFit : public UiFixture {};

// Every radio item's caption is shown whole in its laid-out group, with the fonts this system
// has: the designed widths leave little room, and a wider stand-in font for Tahoma once cut
// "Stereoscopic Player" short.
TEST_F(CaptionsFit, RadioItemsAreNotCut) {
  for (QWidget* window : std::initializer_list<QWidget*>{&app->ListWindow(), &app->BinoWindow(),
                                                         &app->SPlayerWindow()}) {
    window->show();
    for (RadioGroup* group : window->findChildren<RadioGroup*>()) {
      for (int i = 0; i < group->Count(); ++i) {
        QRadioButton* button = group->Button(i);
        SCOPED_TRACE(button->text().toStdString());
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        const QRect text =
            button->style()->subElementRect(QStyle::SE_RadioButtonContents, &option, button);
        EXPECT_GE(text.width(), button->fontMetrics().horizontalAdvance(button->text()));
      }
    }
    window->hide();
  }
}

}  // namespace
