#pragma once
#include <QComboBox>
#include <QStringList>

// A drop-down box with editable text. Its choice is the entry last chosen from the list (or
// set by the program), -1 for none; typing changes the text shown but chooses nothing.
class ComboBox : public QComboBox {
  Q_OBJECT
 public:
  ComboBox(QWidget* parent, const QStringList& items, const QString& text);
  int Chosen() const { return itemIndex_; }
  // -1, below it or beyond the items: no entry chosen and an empty text. The index the box
  // already has leaves it alone, text included.
  void Choose(int index);
  QString Text() const { return currentText(); }
  void SetText(const QString& text) { setEditText(text); }

 signals:
  // The chosen entry changed, picked from the list or set by the program; -1 for none.
  void ChoiceChanged(int index);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  int itemIndex_ = -1;
};
