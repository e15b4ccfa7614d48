#pragma once
#include <functional>

#include "core/Services.h"

// Runs one window handler. An error it raises ends it and is shown as the standard error report
// (titled after the executable); the program goes on. Returns false when an error was shown.
bool RunGuarded(const Services& services, const std::function<void()>& handler);
