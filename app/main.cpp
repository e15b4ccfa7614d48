#include <QApplication>
#include <QIcon>
#include <QScreen>
#include <cstdio>

#include "base/AppError.h"
#include "base/ErrorReport.h"
#include "base/PathParts.h"
#include "core/players/ItemShell.h"
#include "core/show/ShowJournal.h"
#include "platform/DecimalSeparator.h"
#include "platform/ExePath.h"
#include "platform/InstanceLock.h"
#include "platform/Process.h"
#include "platform/Shell.h"
#include "ui/App.h"
#include "ui/qt/FontStandIns.h"
#include "ui/qt/QtFileDialogs.h"
#include "ui/qt/QtMessageBoxes.h"
#include "ui/qt/SystemLook.h"
#include "ui/show/ShowWindow.h"

int main(int argc, char** argv) {
  platform::PrepareProcess();
  QApplication app(argc, argv);
  // Hidden windows (the floating value window among them) must not keep the program alive:
  // closing the show window ends it.
  app.setQuitOnLastWindowClosed(false);
  app.setWindowIcon(QIcon(QStringLiteral(":/quadrel-64.png")));
  InstallFontStandIns();

  QtFileDialogs dialogs;
  QtMessageBoxes messages;
  auto pointer = platform::MakeSystemPointerCounter([](bool visible) {
    if (visible)
      QApplication::restoreOverrideCursor();
    else
      QApplication::setOverrideCursor(Qt::BlankCursor);
  });

  Services services;
  services.exePath = platform::ExecutablePath();
  // Two copies on one folder's files would write one journal and, at close, each other's list:
  // the second says so before it reads or writes anything.
  const auto instanceLock = platform::LockProgramFiles(ProgramFileName(services.exePath, ""));
  if (!instanceLock) {
    const std::string text = AlreadyRunningText(services.exePath);
    std::fprintf(stderr, "%s\n", text.c_str());
    messages.ShowError(ErrorReportTitle(services.exePath), ErrorReportText(text));
    return 1;
  }
  services.pointer = pointer.get();
  const auto screen = MakeSystemScreen();
  services.screen = screen.get();
  services.dialogs = &dialogs;
  services.messages = &messages;
  services.decimalSeparator = &platform::DecimalSeparator;
  const auto systemShell = platform::MakeSystemShell();
  ItemShell shell(*systemShell);
  services.shell = &shell;
  ShowJournal journal(ProgramFileName(services.exePath, ".log"));
  services.journal = &journal;

  App program(services);
  ShowWindow& showWindow = program.ShowWindow();
  messages.PlaceWithin([&showWindow] { return showWindow.MessageArea(); });
  QObject::connect(&showWindow, &ShowWindow::Closed, &app, &QApplication::quit);
  if (const QScreen* primary = QGuiApplication::primaryScreen()) {
    QRect frame = showWindow.frameGeometry();
    frame.moveCenter(primary->geometry().center());
    showWindow.move(frame.topLeft());
  }
  showWindow.show();
  showWindow.activateWindow();
  return app.exec();
}
