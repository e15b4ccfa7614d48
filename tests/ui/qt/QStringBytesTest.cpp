#include <gtest/gtest.h>

#include <QDir>

#include "core/showlist/MakeShowItemPath.h"
#include "ui/qt/QStringBytes.h"

// Qt gives paths with '/' on every system; the core must get the system's own separators, or a
// Windows item keeps the whole program folder as one name ("..\..\/C:/Shows/videos/\a.avi").
TEST(QStringBytes, PathsFromQtReachTheCoreWithTheSystemsSeparators) {
  const QString root = QDir::rootPath();  // "/" here, "C:/" on Windows
  const std::string native =
      QDir::toNativeSeparators(root + "Shows/videos/plain.avi").toStdString();
  EXPECT_EQ(FileNameToBytes(root + "Shows/videos/plain.avi"), native);
  EXPECT_EQ(FileNameToBytes(QDir::toNativeSeparators(root + "Shows/a b.avi")),
            QDir::toNativeSeparators(root + "Shows/a b.avi").toStdString());

  const std::string exe = QDir::toNativeSeparators(root + "Shows/quadrel.exe").toStdString();
  EXPECT_EQ(MakeNativeShowItemPath(exe, FileNameToBytes(root + "Shows/videos/plain.avi")),
            R"(videos\plain.avi)");
  EXPECT_EQ(MakeNativeShowItemPath(exe, FileNameToBytes(root + "Media/intro.avi")),
            R"(..\Media\intro.avi)");
}
