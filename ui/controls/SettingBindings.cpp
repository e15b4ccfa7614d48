#include "ui/controls/SettingBindings.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QSpinBox>

#include "ui/controls/ComboBox.h"
#include "ui/controls/RadioGroup.h"
#include "ui/controls/StoredText.h"

void SettingBindings::Bind(QCheckBox* box, bool& field) {
  QObject::connect(box, &QCheckBox::toggled, box, [&field](bool checked) { field = checked; });
  fills_.emplace_back([box, &field] {
    const QSignalBlocker blocker(box);
    box->setChecked(field);
  });
}

void SettingBindings::Bind(RadioGroup* group, int32_t& field) {
  QObject::connect(group, &RadioGroup::ChoiceChanged, group,
                   [&field](int index) { field = index; });
  fills_.emplace_back([group, &field] {
    const QSignalBlocker blocker(group);
    group->Choose(field);
  });
}

void SettingBindings::Bind(ComboBox* box, int32_t& field) {
  QObject::connect(box, &ComboBox::ChoiceChanged, box, [&field](int index) { field = index; });
  fills_.emplace_back([box, &field] {
    const QSignalBlocker blocker(box);
    box->Choose(field);
  });
}

void SettingBindings::Bind(QSpinBox* box, int32_t& field) {
  QObject::connect(box, &QSpinBox::valueChanged, box, [&field](int value) { field = value; });
  fills_.emplace_back([box, &field] {
    const QSignalBlocker blocker(box);
    box->setValue(field);
  });
}

void SettingBindings::Bind(QLineEdit* edit, std::string& field) {
  QObject::connect(edit, &QLineEdit::textChanged, edit,
                   [edit, &field] { field = StoredText(edit, "text"); });
  fills_.emplace_back([edit, &field] {
    const QSignalBlocker blocker(edit);
    ShowStoredText(edit, "text", field);
  });
}

void SettingBindings::Fill() const {
  for (const auto& fill : fills_) fill();
}
