#include "ui/qt/QtFileDialogs.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <optional>

#include "platform/PathStyle.h"
#include "ui/qt/QStringBytes.h"

namespace {

// Names the files of a choice that do not exist; the choice is not taken.
QString MissingFilesText(const QStringList& missing) {
  QStringList quoted;
  for (const QString& name : missing) quoted << '"' + name + '"';
  return QStringLiteral(
             "%1 %2 not exist. Only existing files can be chosen; nothing of this "
             "choice was taken.")
      .arg(quoted.join(QStringLiteral(", ")),
           missing.size() == 1 ? QStringLiteral("does") : QStringLiteral("do"));
}

// Where programs and scripts carry no extension (Linux), the dialogs that choose show items also
// list all files; and "*.*" would hide every name without a dot, so "all files" is "*".
bool DotlessNames() {
  return !platform::ProgramsCarryExtensions();
}

// Where several files may be chosen (show items, videos), only existing files are taken: a
// typed name of a missing file is a typing error that would become an item or a script for
// nothing. Such a choice is refused whole, with the missing names, and the dialog stays open
// to correct them: a choice is one act, and the player windows pair left and right files by
// position, so taking only part of it would pair the wrong videos. And Qt splits a typed name
// at every double quote, legal in a Linux name: `a"b.avi` would come back as `b.avi`. Names
// come back whole here, or are refused with a message, never cut.
class OpenDialog : public QFileDialog {
 public:
  using QFileDialog::QFileDialog;
  QStringList typed;  // full names of a choice made here rather than by Qt

 protected:
  void accept() override {
    const auto* edit = findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    if (!edit) {
      QFileDialog::accept();
      return;
    }
    const QString text = edit->text();
    const std::optional<QStringList> names = TypedNames(text);
    if (!names) {
      Refuse(QStringLiteral("The names \"%1\" cannot be told apart. A name that holds a double "
                            "quote (\") must be chosen on its own.")
                 .arg(text));
      return;
    }
    if (fileMode() == QFileDialog::ExistingFiles) {
      QStringList missing;
      for (const QString& name : *names)
        if (!QFileInfo::exists(FullName(name))) missing << name;
      if (!missing.isEmpty()) {
        Refuse(MissingFilesText(missing));
        return;
      }
    }
    // Without quotes, Qt's own handling is right (it also opens folders).
    if (!text.contains('"')) {
      QFileDialog::accept();
      return;
    }
    if (names->isEmpty()) return;
    if (names->size() > 1 && fileMode() != QFileDialog::ExistingFiles) {
      Refuse(QStringLiteral("Only one file can be chosen here."));
      return;
    }
    if (names->size() == 1 && QFileInfo(FullName(names->front())).isDir()) {
      QFileDialog::accept();  // a folder: Qt goes into it
      return;
    }
    typed.clear();
    for (const QString& name : *names) typed << WithDefaultSuffix(FullName(name));
    QDialog::accept();
  }

 private:
  // A typed name in the shown folder, or from the home folder for "~/", as Qt reads it.
  QString FullName(const QString& name) const {
    if (name == QStringLiteral("~") || name.startsWith(QStringLiteral("~/")))
      return QDir::homePath() + name.mid(1);
    return directory().absoluteFilePath(name);
  }

  // One name as typed, or several each in double quotes, as the dialog writes a choice of
  // several. A text that starts with no quote is one name, quotes and all. Nothing when the
  // quotes leave it open where one name ends.
  static std::optional<QStringList> TypedNames(const QString& text) {
    if (!text.contains('"')) return text.trimmed().isEmpty() ? QStringList() : QStringList{text};
    if (!text.trimmed().startsWith('"')) return QStringList{text};
    QStringList names;
    qsizetype i = 0;
    while (i < text.size()) {
      if (text[i] == ' ') {
        ++i;
        continue;
      }
      if (text[i] != '"') return std::nullopt;
      const qsizetype close = text.indexOf('"', i + 1);
      if (close < 0 || (close + 1 < text.size() && text[close + 1] != ' ')) return std::nullopt;
      if (close > i + 1) names << text.mid(i + 1, close - i - 1);
      i = close + 1;
    }
    return names;
  }

  // As Qt does for the names it reads itself.
  QString WithDefaultSuffix(const QString& path) const {
    const QString clean = QDir::cleanPath(path);
    if (defaultSuffix().isEmpty() || QFileInfo(clean).fileName().contains('.')) return clean;
    return clean + '.' + defaultSuffix();
  }

  // Tells the operator why the choice is not taken; the dialog stays open to choose again.
  void Refuse(const QString& text) {
    auto* box = new QMessageBox(QMessageBox::Warning, windowTitle(), text, QMessageBox::Ok, this);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
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
      if (p == "*.*" && DotlessNames()) p = QStringLiteral("*");
    }
    filters << parts[i] + " (" + patterns.join(' ') + ")";
  }
  if (addAllFiles && !hasAll) filters << "All files (*)";
  return filters;
}

std::vector<std::string> QtFileDialogs::Choose(const host::FileDialogRequest& request) {
  OpenDialog dialog(QApplication::activeWindow());
  if (!request.title.empty()) dialog.setWindowTitle(FromBytes(request.title));
  // Qt's own dialog where the system's would not list the dotless names.
  dialog.setOption(QFileDialog::DontUseNativeDialog, DotlessNames());
  dialog.setOption(QFileDialog::HideNameFilterDetails, true);
  dialog.setOption(QFileDialog::ReadOnly, false);
  if (!request.filter.empty())
    dialog.setNameFilters(QtNameFilters(request.filter, DotlessNames() && request.offerAllFiles));
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
  const QStringList names = dialog.typed.isEmpty() ? dialog.selectedFiles() : dialog.typed;
  // The system's own dialog (Windows) checks this itself; should it not, the choice is still
  // refused here rather than taken in part.
  if (dialog.fileMode() == QFileDialog::ExistingFiles) {
    QStringList missing;
    for (const QString& name : names)
      if (!QFileInfo::exists(name)) missing << QDir::toNativeSeparators(name);
    if (!missing.isEmpty()) {
      QMessageBox::warning(QApplication::activeWindow(), dialog.windowTitle(),
                           MissingFilesText(missing));
      return {};
    }
  }
  std::vector<std::string> chosen;
  for (const QString& name : names) chosen.push_back(FileNameToBytes(name));
  return chosen;
}
