#include <gtest/gtest.h>

#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QTimer>

#include "TempDir.h"
#include "ui/qt/QtFileDialogs.h"

namespace {

// Types `text` into the file dialog that is about to open and confirms it.
void TypeIntoNextDialog(const QString& folder, const QString& text) {
  QTimer::singleShot(0, [folder, text] {
    auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    dialog->setDirectory(folder);
    auto* edit = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    ASSERT_NE(edit, nullptr);
    edit->setText(text);
    QMetaObject::invokeMethod(dialog, "accept");
  });
}

}  // namespace

namespace {
// Types `text` into the next dialog and confirms it; returns the text of the message the
// dialog shows instead of closing, or "" when none (the dialog is then cancelled).
QString RefusalOfNextDialog(const QString& folder, const QString& text) {
  QString message;
  QTimer::singleShot(0, [folder, text, &message] {
    auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    dialog->setDirectory(folder);
    // As typed: with the keyboard in the edit, Qt does not rewrite the text to the files it
    // finds selected.
    auto* edit = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    QApplication::setActiveWindow(dialog);
    edit->setFocus();
    edit->setText(text);
    QMetaObject::invokeMethod(dialog, "accept");
    if (const auto* box = dialog->findChild<QMessageBox*>(); box && dialog->isVisible())
      message = box->text();
    dialog->reject();
  });
  QtFileDialogs dialogs;
  host::FileDialogRequest request;
  request.multiSelect = true;
  request.filter = "Show files (*.exe, *.bat)|*.exe;*.bat";
  EXPECT_TRUE(dialogs.Choose(request).empty());
  return message;
}
}  // namespace

TEST(QtFileDialogs, SeveralFilesMustAllExistOrTheChoiceIsRefusedNamingTheMissing) {
  TempDir dir;
  dir.write("there.avi", "x");
  dir.write("a clip.avi", "x");
  const QString folder = QString::fromStdString(dir.path().string());
  QtFileDialogs dialogs;
  host::FileDialogRequest request;
  request.multiSelect = true;
  request.filter = "Show files (*.exe, *.bat)|*.exe;*.bat";

  TypeIntoNextDialog(folder, "\"a clip.avi\" \"there.avi\"");
  EXPECT_EQ(dialogs.Choose(request),
            (std::vector<std::string>{dir.file("a clip.avi"), dir.file("there.avi")}));
  TypeIntoNextDialog(folder, "there.avi");
  EXPECT_EQ(dialogs.Choose(request), std::vector<std::string>{dir.file("there.avi")});

  const QString tail =
      " not exist. Only existing files can be chosen; nothing of this choice was taken.";
  EXPECT_EQ(RefusalOfNextDialog(folder, "doesnotexist.sh"), "\"doesnotexist.sh\" does" + tail);
  EXPECT_EQ(RefusalOfNextDialog(folder, "\"there.avi\" \"later.bat\" \"later clip.avi\""),
            "\"later.bat\", \"later clip.avi\" do" + tail);
}

TEST(QtFileDialogs, OneFileToLoadMayBeMissingAndIsReportedWhenOpened) {
  TempDir dir;
  const QString folder = QString::fromStdString(dir.path().string());
  QtFileDialogs dialogs;
  host::FileDialogRequest load;
  load.defaultExt = "shl";
  TypeIntoNextDialog(folder, "not yet");
  EXPECT_EQ(dialogs.Choose(load), std::vector<std::string>{dir.file("not yet.shl")});
}

TEST(QtFileDialogs, NameFiltersKeepDescriptionsAndListPatterns) {
  EXPECT_EQ(QtNameFilters("Show files (*.exe, *.bat)|*.exe;*.bat", true),
            (QStringList{"Show files (*.exe, *.bat) (*.exe *.bat)", "All files (*)"}));
  // "*.*" would hide names without a dot, which Linux programs and scripts mostly are.
  EXPECT_EQ(QtNameFilters("3D show list (*.shl)|*.shl|All files (*.*)|*.*", true),
            (QStringList{"3D show list (*.shl) (*.shl)", "All files (*.*) (*)"}));
}

namespace {
// The name filters of the next dialog; it is cancelled.
QStringList FiltersOfNextDialog(host::FileDialogRequest request) {
  QStringList filters;
  QTimer::singleShot(0, [&filters] {
    auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    filters = dialog->nameFilters();
    dialog->reject();
  });
  QtFileDialogs dialogs;
  EXPECT_TRUE(dialogs.Choose(request).empty());
  return filters;
}
}  // namespace

TEST(QtFileDialogs, OnlyTheShowItemDialogAddsAllFiles) {
  host::FileDialogRequest save;
  save.save = true;
  save.filter = "3D show list (*.shl)|*.shl";
  EXPECT_EQ(FiltersOfNextDialog(save), QStringList{"3D show list (*.shl) (*.shl)"});
  host::FileDialogRequest location;
  location.filter = "Executable files|*.exe";
  EXPECT_EQ(FiltersOfNextDialog(location), QStringList{"Executable files (*.exe)"});
  host::FileDialogRequest select;
  select.multiSelect = true;
  select.offerAllFiles = true;
  select.filter = "Show files|*.exe;*.bat";
  EXPECT_EQ(FiltersOfNextDialog(select),
            (QStringList{"Show files (*.exe *.bat)", "All files (*)"}));
}

TEST(QtFileDialogs, NamesWithDoubleQuotesComeBackWholeOrAreRefused) {
  TempDir dir;
  dir.write("a\"b.avi", "x");
  const QString folder = QString::fromStdString(dir.path().string());
  QtFileDialogs dialogs;
  host::FileDialogRequest several;
  several.multiSelect = true;
  TypeIntoNextDialog(folder, "a\"b.avi");
  EXPECT_EQ(dialogs.Choose(several), std::vector<std::string>{dir.file("a\"b.avi")});
  dir.write("one.avi", "x");
  dir.write("two.avi", "x");
  TypeIntoNextDialog(folder, "\"one.avi\" \"two.avi\"");
  EXPECT_EQ(dialogs.Choose(several),
            (std::vector<std::string>{dir.file("one.avi"), dir.file("two.avi")}));

  host::FileDialogRequest load;
  load.defaultExt = "shl";
  TypeIntoNextDialog(folder, "my\"list");
  EXPECT_EQ(dialogs.Choose(load), std::vector<std::string>{dir.file("my\"list.shl")});

  // Several names where a quote cannot be told from the quotes around them: refused with a
  // message, and the dialog stays open.
  bool refused = false;
  QTimer::singleShot(0, [&] {
    auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    dialog->setDirectory(folder);
    dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))
        ->setText("\"a\"b.avi\" \"c.avi\"");
    QMetaObject::invokeMethod(dialog, "accept");
    refused = dialog->isVisible() && dialog->findChild<QMessageBox*>() != nullptr;
    dialog->reject();
  });
  EXPECT_TRUE(dialogs.Choose(several).empty());
  EXPECT_TRUE(refused);
}
