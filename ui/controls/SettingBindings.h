#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class ComboBox;
class QCheckBox;
class QLineEdit;
class QSpinBox;
class RadioGroup;

// Binds a window's controls to the fields of the settings they show: a change in a control,
// by the operator or by the program, writes its field at once; Fill shows every field in its
// control without firing the control's own handlers. The fields outlive the window.
class SettingBindings {
 public:
  void Bind(QCheckBox* box, bool& field);
  void Bind(RadioGroup* group, int32_t& field);
  void Bind(ComboBox* box, int32_t& field);
  // A number out of the box's range is shown at the nearest end, and kept until changed.
  void Bind(QSpinBox* box, int32_t& field);
  // A text the operator left alone is written back as the very bytes it was filled from.
  void Bind(QLineEdit* edit, std::string& field);

  void Fill() const;

 private:
  std::vector<std::function<void()>> fills_;
};
