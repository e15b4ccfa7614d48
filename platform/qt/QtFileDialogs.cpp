#include "platform/qt/QtFileDialogs.h"

#include <QApplication>
#include <QFileDialog>

#include "platform/qt/TextCodec.h"

namespace platform {
namespace {

#ifdef _WIN32
constexpr bool kOfferAllFiles = false;
#else
// Linux programs and scripts carry no .exe: every dialog also lists all files.
constexpr bool kOfferAllFiles = true;
#endif

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
  QFileDialog dialog(QApplication::activeWindow());
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
  }
  if (!request.fileName.empty()) dialog.selectFile(FileNameFromBytes(request.fileName));
  if (dialog.exec() != QDialog::Accepted) return {};
  std::vector<std::string> chosen;
  for (const QString& name : dialog.selectedFiles()) chosen.push_back(FileNameToBytes(name));
  return chosen;
}

}  // namespace platform
