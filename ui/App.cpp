#include "ui/App.h"

#include "ui/players/BinoSettingsWindow.h"
#include "ui/players/SPlayerSettingsWindow.h"
#include "ui/show/FloatingValueWindow.h"
#include "ui/show/ShowWindow.h"
#include "ui/showlist/ShowListWindow.h"

void CreateForms(Services& services) {
  Form_Main = new ShowWindow(services);
  Form_Setup = new ShowListWindow(services);
  Form_Bino = new BinoSettingsWindow(services);
  Form_SPlayer = new SPlayerSettingsWindow(services);
  Form1 = new FloatingValueWindow(services);
}

void DestroyForms() {
  delete Form1;
  Form1 = nullptr;
  delete Form_SPlayer;
  Form_SPlayer = nullptr;
  delete Form_Bino;
  Form_Bino = nullptr;
  delete Form_Setup;
  Form_Setup = nullptr;
  delete Form_Main;
  Form_Main = nullptr;
}
