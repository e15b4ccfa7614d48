#pragma once
#include <QLabel>

// A one-line text label sized to its text by adjustSize(), as an auto-sized label is. QLabel's
// own size hint lays the text out three times (at its natural, widest and narrowest widths);
// one line needs one measure, and the show window resizes up to four labels on every step.
class Label : public QLabel {
 public:
  explicit Label(QWidget* parent) : QLabel(parent) {}
  QSize sizeHint() const override;
  QSize minimumSizeHint() const override { return sizeHint(); }

  // Shows `text` sized to it, cut in the middle (with an ellipsis) where it would pass
  // `maxWidth`: the beginning and the file name at the end stay readable.
  void SetTextWithin(const QString& text, int maxWidth);
  // Cuts the last text given anew for another width.
  void FitWithin(int maxWidth);
  // The text as given, before any cut.
  const QString& FullText() const { return fullText_; }

 private:
  QString fullText_;
};
