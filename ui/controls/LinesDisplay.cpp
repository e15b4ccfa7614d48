#include "ui/controls/LinesDisplay.h"

#include <utility>

#include "ui/qt/QStringBytes.h"

LinesDisplay::LinesDisplay(QWidget* parent, const std::vector<std::string>& lines)
    : QLabel(parent), lines_(lines) {
  setWordWrap(true);
  setAlignment(Qt::AlignLeft | Qt::AlignTop);
  setTextFormat(Qt::PlainText);
  setFocusPolicy(Qt::NoFocus);
  setAttribute(Qt::WA_TransparentForMouseEvents);
  Refresh();
}

void LinesDisplay::SetLine(int index, const std::string& text) {
  lines_.at(static_cast<size_t>(index)) = text;
  Refresh();
}

void LinesDisplay::SetLines(std::vector<std::string> lines) {
  lines.resize(lines_.size());
  lines_ = std::move(lines);
  Refresh();
}

void LinesDisplay::Refresh() {
  QStringList shown;
  for (const auto& line : lines_) shown << FromBytes(line);
  setText(shown.join('\n'));
}
