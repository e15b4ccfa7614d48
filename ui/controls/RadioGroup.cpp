#include "ui/controls/RadioGroup.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QRadioButton>
#include <QStyleOptionGroupBox>
#include <algorithm>

RadioGroup::RadioGroup(QWidget* parent, const QString& caption, const QStringList& items,
                       int columns)
    : QGroupBox(caption, parent), group_(new QButtonGroup(this)) {
  auto* layout = new QGridLayout(this);
  // Narrow sides, as a native group's items sit close to its frame: a caption laid out for
  // Tahoma then still fits when a slightly wider face stands in for it.
  layout->setContentsMargins(4, 4, 1, 4);
  layout->setSpacing(0);
  const int rows = (static_cast<int>(items.size()) + columns - 1) / std::max(1, columns);
  for (int i = 0; i < items.size(); ++i) {
    auto* button = new QRadioButton(items[i], this);
    group_->addButton(button, i);
    layout->addWidget(button, rows ? i % rows : 0, rows ? i / rows : 0);
    buttons_.push_back(button);
  }
  connect(group_, &QButtonGroup::idClicked, this, &RadioGroup::Clicked);
  // A change of choice unchecks one item and checks another: the last toggle tells the result.
  connect(group_, &QButtonGroup::idToggled, this, [this] { emit ChoiceChanged(Chosen()); });
}

int RadioGroup::Chosen() const {
  return group_->checkedId();
}

void RadioGroup::Choose(int index) {
  if (index >= Count()) index = Count() - 1;
  if (index < 0) {
    // An exclusive group cannot uncheck its last button until exclusivity is lifted.
    group_->setExclusive(false);
    for (auto* b : buttons_) b->setChecked(false);
    group_->setExclusive(true);
    return;
  }
  buttons_[static_cast<size_t>(index)]->setChecked(true);
}

void RadioGroup::initStyleOption(QStyleOptionGroupBox* option) const {
  QGroupBox::initStyleOption(option);
  option->textColor =
      palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText);
}
