#pragma once
#include <QGroupBox>
#include <QStringList>
#include <vector>

class QButtonGroup;
class QRadioButton;

// A captioned group of radio items with one chosen item or none.
class RadioGroup : public QGroupBox {
  Q_OBJECT
 public:
  RadioGroup(QWidget* parent, const QString& caption, const QStringList& items, int columns = 1);
  int Count() const { return static_cast<int>(buttons_.size()); }
  // The chosen item, or -1 for none.
  int Chosen() const;
  // Below 0 chooses none; at or above the count chooses the last item.
  void Choose(int index);
  QRadioButton* Button(int index) const { return buttons_.at(static_cast<size_t>(index)); }

 signals:
  void Clicked(int index);
  // The chosen item changed, by the operator or by the program; -1 for none.
  void ChoiceChanged(int index);

 protected:
  // The caption takes the group's text colour (its font colour) under every style: the
  // Windows styles would otherwise draw it in the palette's Text colour, black on a black
  // window.
  void initStyleOption(QStyleOptionGroupBox* option) const override;

 private:
  QButtonGroup* group_;
  std::vector<QRadioButton*> buttons_;
};
