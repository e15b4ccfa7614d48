#include "UiFixture.h"

#include "ui/App.h"
#include "core/show/ShowState.h"
#include "ui/show/ShowWindow.h"

UiFixture::UiFixture() {
  ResetShowState();
  services.exePath = (dir.path() / "quadrel").string();
  services.pointer = &pointer;
  services.screen = &screen;
  services.dialogs = &dialogs;
  services.messages = &messages;
  services.shell = &shell;
  services.decimalSeparator = [this] { return decimalSeparator; };
  CreateForms(services);
}

UiFixture::~UiFixture() {
  DestroyForms();
  ResetShowState();
}

std::string UiFixture::ProgramFile(const std::string& extension) const {
  return (dir.path() / ("quadrel" + extension)).string();
}

void UiFixture::Activate() {
  Form_Main->FormActivate();
}
