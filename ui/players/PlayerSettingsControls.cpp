#include "ui/players/PlayerSettingsControls.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "ui/controls/RadioGroup.h"
#include "ui/qt/QStringBytes.h"
#include "ui/showlist/ShowListModel.h"
#include "ui/showlist/ShowListWindow.h"

QFont PlayerWindowFont() {
  QFont font(QStringLiteral("Tahoma"));
  font.setPixelSize(11);
  return font;
}

QStringList ItemList(std::span<const std::string_view> items) {
  QStringList list;
  for (const auto item : items) list << QString::fromUtf8(item.data(), std::ssize(item));
  return list;
}

QPushButton* MakeButton(QWidget* parent, const char* caption) {
  auto* button = new QPushButton(QString::fromUtf8(caption), parent);
  button->setAutoDefault(false);
  return button;
}

QCheckBox* MakeCheckBox(QWidget* parent, QBoxLayout* layout, const char* caption, bool checked) {
  auto* box = new QCheckBox(QString::fromUtf8(caption), parent);
  box->setChecked(checked);
  layout->addWidget(box);
  return box;
}

QLineEdit* MakeLabelledEdit(QWidget* parent, QBoxLayout* layout, const char* label,
                            const char* text) {
  auto* edit = new QLineEdit(QString::fromUtf8(text), parent);
  edit->setMinimumWidth(40);
  auto* caption = new QLabel(QString::fromUtf8(label), parent);
  caption->setBuddy(edit);
  layout->addWidget(caption);
  layout->addWidget(edit, 1);
  return edit;
}

RadioGroup* MakeRadioGroup(QWidget* parent, const char* caption, std::span<const OptionItem> table,
                           int chosen) {
  QStringList captions;
  for (const auto& item : table)
    captions << QString::fromUtf8(item.caption.data(), std::ssize(item.caption));
  auto* group = new RadioGroup(parent, QString::fromUtf8(caption), captions);
  group->Choose(chosen);
  return group;
}

RadioGroup* MakeFileTypesGroup(QWidget* parent) {
  auto* group =
      new RadioGroup(parent, QStringLiteral("File types"),
                     {QStringLiteral("Make BAT file(s)"), QStringLiteral("Make VBS file(s)")}, 2);
  group->Choose(0);
  return group;
}

void ChooseLocation(host::FileDialogs& dialogs, const host::FileDialogRequest& request,
                    QLineEdit* edit) {
  const std::vector<std::string> chosen = dialogs.Choose(request);
  if (!chosen.empty()) edit->setText(FileNameFromBytes(chosen.front()));
}
