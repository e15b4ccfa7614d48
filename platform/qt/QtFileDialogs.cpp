#include "platform/qt/QtFileDialogs.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>

#include "platform/qt/TextCodec.h"

namespace platform {
namespace {

#ifdef _WIN32
constexpr bool kOfferAllFiles = false;
#else
// Linux programs and scripts carry no .exe: every dialog also lists all files.
constexpr bool kOfferAllFiles = true;
#endif

// Qt's dialog refuses typed names of missing files when several files may be chosen; the show
// list takes them as they are (an item may name a file that is still to come).
class OpenDialog : public QFileDialog {
 public:
  using QFileDialog::QFileDialog;
  bool acceptMissing = false;
  QStringList typed;  // full names of a choice that holds missing files

 protected:
  void accept() override {
    const auto* edit = findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    if (acceptMissing && edit) {
      const QStringList names = TypedNames(edit->text());
      bool missing = false;
      for (const QString& name : names)
        if (!QFileInfo::exists(directory().absoluteFilePath(name))) missing = true;
      if (missing) {
        typed.clear();
        for (const QString& name : names)
          typed << QDir::cleanPath(directory().absoluteFilePath(name));
        QDialog::accept();
        return;
      }
    }
    QFileDialog::accept();
  }

 private:
  // One name as typed, or several each in double quotes, as the dialog writes a choice.
  static QStringList TypedNames(const QString& text) {
    if (!text.contains('"')) return text.trimmed().isEmpty() ? QStringList() : QStringList{text};
    QStringList names;
    const QStringList parts = text.split('"');
    for (qsizetype i = 1; i < parts.size(); i += 2)
      if (!parts[i].isEmpty()) names << parts[i];
    return names;
  }
};

}  // namespace

QStringList QtNameFilters(const std::string& filter, bool addAllFiles) {
  const QStringList parts = FromBytes(filter).split('|');
  QStringList filters;
  bool hasAll = false;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    QStringList patterns = parts[i + 1].split(';', Qt::SkipEmptyParts);
    for (auto& p : patterns) {
      p = p.trimmed();
      if (p == "*.*" || p == "*") hasAll = true;
    }
    filters << parts[i] + " (" + patterns.join(' ') + ")";
  }
  if (addAllFiles && !hasAll) filters << "All files (*)";
  return filters;
}

std::vector<std::string> QtFileDialogs::Choose(const FileDialogRequest& request) {
  OpenDialog dialog(QApplication::activeWindow());
  if (!request.title.empty()) dialog.setWindowTitle(FromBytes(request.title));
  dialog.setOption(QFileDialog::DontUseNativeDialog, kOfferAllFiles);
  dialog.setOption(QFileDialog::HideNameFilterDetails, true);
  dialog.setOption(QFileDialog::ReadOnly, false);
  if (!request.filter.empty()) dialog.setNameFilters(QtNameFilters(request.filter, kOfferAllFiles));
  QString suffix = FromBytes(request.defaultExt);
  if (suffix.startsWith('.')) suffix.remove(0, 1);
  // A list of extensions is no single suffix to append.
  if (!suffix.contains(',') && !suffix.contains(' ')) dialog.setDefaultSuffix(suffix);
  if (request.save) {
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
  } else {
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(request.multiSelect ? QFileDialog::ExistingFiles : QFileDialog::AnyFile);
    dialog.acceptMissing = request.multiSelect;
  }
  if (!request.fileName.empty()) dialog.selectFile(FileNameFromBytes(request.fileName));
  if (dialog.exec() != QDialog::Accepted) return {};
  std::vector<std::string> chosen;
  const QStringList names = dialog.typed.isEmpty() ? dialog.selectedFiles() : dialog.typed;
  for (const QString& name : names) chosen.push_back(FileNameToBytes(name));
  return chosen;
}

}  // namespace platform
