#pragma once
#include <QDialog>

#include "platform/Services.h"

class QCheckBox;
class QListView;
class ShowListModel;

// The show list window, where the operator assembles the show list.
class TForm_Setup : public QDialog {
  Q_OBJECT
 public:
  explicit TForm_Setup(Services& services);

  QListView* ListBox1;
  QCheckBox* CheckBox_continuous;
  QCheckBox* CheckBox_Loop;

  // The show list, held by ListBox1.
  ShowListModel& Items() const { return *items_; }

 private:
  Services& services_;
  ShowListModel* items_;
};

extern TForm_Setup* Form_Setup;
