#pragma once
#include <functional>
#include <string>

#include "platform/FileDialogs.h"
#include "platform/MessageBoxes.h"
#include "platform/PointerCounter.h"
#include "platform/Screen.h"
#include "platform/Shell.h"

class ShowJournal;

// What the windows need from the system. main() gives the real ones, tests give fakes.
struct Services {
  std::string exePath;  // full native path of the executable; names the files beside it
  platform::PointerCounter* pointer = nullptr;
  platform::Screen* screen = nullptr;
  platform::FileDialogs* dialogs = nullptr;
  platform::MessageBoxes* messages = nullptr;
  platform::Shell* shell = nullptr;
  std::function<char()> decimalSeparator;
  ShowJournal* journal = nullptr;  // none: nothing is journalled
};
