#pragma once
#include <QLabel>
#include <string>
#include <vector>

// A borderless, read-only display of a fixed number of text lines; long lines wrap at words.
class LinesDisplay : public QLabel {
 public:
  LinesDisplay(QWidget* parent, const std::vector<std::string>& lines);
  int LineCount() const { return static_cast<int>(lines_.size()); }
  const std::string& Line(int index) const { return lines_.at(static_cast<size_t>(index)); }
  void SetLine(int index, const std::string& text);
  // All lines at once, laid out once; as many as the display has.
  void SetLines(std::vector<std::string> lines);

 private:
  void Refresh();
  std::vector<std::string> lines_;
};
