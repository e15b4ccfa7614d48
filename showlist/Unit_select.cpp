#include "showlist/Unit_select.h"

#include <QCheckBox>
#include <QListView>

#include "showlist/ShowListModel.h"

TForm_Setup* Form_Setup = nullptr;

TForm_Setup::TForm_Setup(Services& services)
    : QDialog(nullptr), services_(services), items_(new ShowListModel(this)) {
  setWindowTitle(QStringLiteral("File list"));
  resize(835, 722);
  ListBox1 = new QListView(this);
  ListBox1->setModel(items_);
  ListBox1->setUniformItemSizes(true);
  ListBox1->setGeometry(0, 0, 691, 722);
  CheckBox_continuous = new QCheckBox(QStringLiteral("Continuous"), this);
  CheckBox_continuous->setGeometry(698, 200, 129, 17);
  CheckBox_Loop = new QCheckBox(QStringLiteral("Loop All"), this);
  CheckBox_Loop->setGeometry(698, 232, 129, 17);
}
