#pragma once
#include <gtest/gtest.h>

#include <memory>

#include "Fakes.h"
#include "TempDir.h"
#include "core/Services.h"
#include "show/ShowWindowTestAccess.h"
#include "ui/App.h"

// The application and its five windows, with fakes for the system and a temporary program folder.
class UiFixture : public ::testing::Test {
 protected:
  UiFixture();
  ~UiFixture() override;

  // The native path of a file beside the (pretend) executable "quadrel".
  std::string ProgramFile(const std::string& extension) const;
  // Runs the show window's first activation, as the first showing does.
  void Activate();
  // The show window's controls.
  ShowWindowTestAccess ShowControls() const { return ShowWindowTestAccess(app->ShowWindow()); }

  TempDir dir;
  FakeFileDialogs dialogs;
  FakeMessageBoxes messages;
  FakePointerCounter pointer;
  FakeScreen screen;
  FakeShell shell;
  char decimalSeparator = '.';
  Services services;
  std::unique_ptr<App> app;
};
