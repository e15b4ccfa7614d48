#include <gtest/gtest.h>

#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QTimer>

#include "TempDir.h"
#include "platform/qt/QtFileDialogs.h"

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
  EXPECT_EQ(platform::QtNameFilters("3D show list (*.shl)|*.shl|All files (*.*)|*.*", true),
            (QStringList{"3D show list (*.shl) (*.shl)", "All files (*.*) (*.*)"}));
}
