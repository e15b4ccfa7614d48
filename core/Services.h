#pragma once
#include <chrono>
#include <functional>
#include <string>

#include "core/host/FileDialogs.h"
#include "core/host/MessageBoxes.h"
#include "core/host/Screen.h"
#include "platform/PointerCounter.h"
#include "platform/Shell.h"

class ShowJournal;

// What the windows need from the system. main() gives the real ones, tests give fakes.
struct Services {
  std::string exePath;  // full native path of the executable; names the files beside it
  platform::PointerCounter* pointer = nullptr;
  host::Screen* screen = nullptr;
  host::FileDialogs* dialogs = nullptr;
  host::MessageBoxes* messages = nullptr;
  platform::Shell* shell = nullptr;
  std::function<char()> decimalSeparator;
  ShowJournal* journal = nullptr;  // none: nothing is journalled
  // The time that GO protection measures; none: the steady clock.
  std::function<std::chrono::steady_clock::time_point()> clock;
};
