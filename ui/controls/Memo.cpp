#include "ui/controls/Memo.h"

#include "ui/qt/TextCodec.h"

TMemo::TMemo(QWidget* parent, const std::vector<std::string>& lines)
    : QLabel(parent), lines_(lines) {
  setWordWrap(true);
  setAlignment(Qt::AlignLeft | Qt::AlignTop);
  setTextFormat(Qt::PlainText);
  setFocusPolicy(Qt::NoFocus);
  setAttribute(Qt::WA_TransparentForMouseEvents);
  Refresh();
}

void TMemo::SetLine(int index, const std::string& text) {
  lines_.at(static_cast<size_t>(index)) = text;
  Refresh();
}

void TMemo::Refresh() {
  QStringList shown;
  for (const auto& line : lines_) shown << FromBytes(line);
  setText(shown.join('\n'));
}
