#include "ui/controls/ComboBox.h"

#include <QKeyEvent>
#include <QLineEdit>

ComboBox::ComboBox(QWidget* parent, const QStringList& items, const QString& text)
    : QComboBox(parent) {
  setEditable(true);
  setInsertPolicy(QComboBox::NoInsert);
  // The text is exactly what was typed: no completion from the list.
  setCompleter(nullptr);
  addItems(items);
  setCurrentIndex(-1);
  setEditText(text);
  // Picking from the list (mouse or arrow keys) is the only way the operator chooses an entry.
  connect(this, &QComboBox::activated, this, [this](int index) {
    const bool changed = index != itemIndex_;
    itemIndex_ = index;
    if (changed) emit ChoiceChanged(index);
  });
  lineEdit()->installEventFilter(this);
}

void ComboBox::Choose(int index) {
  if (index == itemIndex_) return;
  if (index < 0 || index >= count()) {
    itemIndex_ = -1;
    setCurrentIndex(-1);
    setEditText(QString());
  } else {
    itemIndex_ = index;
    setCurrentIndex(index);
  }
  emit ChoiceChanged(itemIndex_);
}

bool ComboBox::eventFilter(QObject* watched, QEvent* event) {
  // Enter would look the typed text up in the list and choose the entry it names.
  if (watched == lineEdit() && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) return true;
  }
  return QComboBox::eventFilter(watched, event);
}
