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

TEST(QtFileDialogs, SeveralFilesMayNameFilesThatDoNotExistYet) {
  TempDir dir;
  dir.write("there.avi", "x");
  const QString folder = QString::fromStdString(dir.path().string());
  platform::QtFileDialogs dialogs;
  platform::FileDialogRequest request;
  request.multiSelect = true;
  request.filter = "Show files (*.exe, *.bat)|*.exe;*.bat";

  TypeIntoNextDialog(folder, "\"later clip.avi\" \"later.bat\"");
  EXPECT_EQ(dialogs.Choose(request),
            (std::vector<std::string>{dir.file("later clip.avi"), dir.file("later.bat")}));
  TypeIntoNextDialog(folder, "only later.bat");
  EXPECT_EQ(dialogs.Choose(request), std::vector<std::string>{dir.file("only later.bat")});
  TypeIntoNextDialog(folder, "there.avi");
  EXPECT_EQ(dialogs.Choose(request), std::vector<std::string>{dir.file("there.avi")});
}

TEST(QtFileDialogs, NameFiltersKeepDescriptionsAndListPatterns) {
  EXPECT_EQ(platform::QtNameFilters("Show files (*.exe, *.bat)|*.exe;*.bat", true),
            (QStringList{"Show files (*.exe, *.bat) (*.exe *.bat)", "All files (*)"}));
  // "*.*" would hide names without a dot, which Linux programs and scripts mostly are.
  EXPECT_EQ(platform::QtNameFilters("3D show list (*.shl)|*.shl|All files (*.*)|*.*", true),
            (QStringList{"3D show list (*.shl) (*.shl)", "All files (*.*) (*)"}));
}

namespace {
// The name filters of the next dialog; it is cancelled.
QStringList FiltersOfNextDialog(platform::FileDialogRequest request) {
  QStringList filters;
  QTimer::singleShot(0, [&filters] {
    auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    filters = dialog->nameFilters();
    dialog->reject();
  });
  platform::QtFileDialogs dialogs;
  EXPECT_TRUE(dialogs.Choose(request).empty());
  return filters;
}
}  // namespace

TEST(QtFileDialogs, OnlyTheShowItemDialogAddsAllFiles) {
  platform::FileDialogRequest save;
  save.save = true;
  save.filter = "3D show list (*.shl)|*.shl";
  EXPECT_EQ(FiltersOfNextDialog(save), QStringList{"3D show list (*.shl) (*.shl)"});
  platform::FileDialogRequest location;
  location.filter = "Executable files|*.exe";
  EXPECT_EQ(FiltersOfNextDialog(location), QStringList{"Executable files (*.exe)"});
  platform::FileDialogRequest select;
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
  platform::QtFileDialogs dialogs;
  platform::FileDialogRequest several;
  several.multiSelect = true;
  TypeIntoNextDialog(folder, "a\"b.avi");
  EXPECT_EQ(dialogs.Choose(several), std::vector<std::string>{dir.file("a\"b.avi")});
  TypeIntoNextDialog(folder, "new\"name.avi");  // missing files are taken too
  EXPECT_EQ(dialogs.Choose(several), std::vector<std::string>{dir.file("new\"name.avi")});
  TypeIntoNextDialog(folder, "\"one.avi\" \"two.avi\"");
  EXPECT_EQ(dialogs.Choose(several),
            (std::vector<std::string>{dir.file("one.avi"), dir.file("two.avi")}));

  platform::FileDialogRequest load;
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
