#include "UiFixture.h"

#include "ui/show/ShowWindow.h"

UiFixture::UiFixture() {
  services.exePath = (dir.path() / "quadrel").string();
  services.pointer = &pointer;
  services.screen = &screen;
  services.dialogs = &dialogs;
  services.messages = &messages;
  services.shell = &shell;
  services.decimalSeparator = [this] { return decimalSeparator; };
  app = std::make_unique<App>(services);
}

UiFixture::~UiFixture() = default;

std::string UiFixture::ProgramFile(const std::string& extension) const {
  return (dir.path() / ("quadrel" + extension)).string();
}

void UiFixture::Activate() {
  app->ShowWindow().Activate();
}
