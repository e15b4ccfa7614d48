#pragma once
#include <QFont>
#include <QString>
#include <QStringList>
#include <span>
#include <string>
#include <string_view>

#include "core/host/FileDialogs.h"
#include "core/players/OptionTable.h"

class QBoxLayout;
class QCheckBox;
class QLineEdit;
class QPushButton;
class QWidget;
class RadioGroup;

// What the two player settings windows share: their look, the controls built alike, the
// location choice and the way a script reaches the show list.

// The windows' font: Tahoma, 11 pixels.
QFont PlayerWindowFont();
QStringList ItemList(std::span<const std::string_view> items);
// A push button that Enter in an edit field does not press (the windows have no default button).
QPushButton* MakeButton(QWidget* parent, const char* caption);
QCheckBox* MakeCheckBox(QWidget* parent, QBoxLayout* layout, const char* caption, bool checked);
// An edit field with its label in front, added to `layout`.
QLineEdit* MakeLabelledEdit(QWidget* parent, QBoxLayout* layout, const char* label,
                            const char* text);
// A radio group with the captions of `table` and item `chosen` selected.
RadioGroup* MakeRadioGroup(QWidget* parent, const char* caption, std::span<const OptionItem> table,
                           int chosen);
// "File types" in two columns, "Make BAT file(s)" chosen.
RadioGroup* MakeFileTypesGroup(QWidget* parent);

// Shows the location dialog; a chosen file's full path replaces the edit's text, a cancel
// changes nothing.
void ChooseLocation(host::FileDialogs& dialogs, const host::FileDialogRequest& request,
                    QLineEdit* edit);
