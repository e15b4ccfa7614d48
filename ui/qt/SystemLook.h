#pragma once
#include <QColor>
#include <memory>

#include "core/host/Screen.h"
#include "platform/SystemMetrics.h"

// The primary screen as the system reports it, or as Qt knows it where the system has no call.
std::unique_ptr<host::Screen> MakeSystemScreen();

// The system's colour of a role, or the matching colour of Qt's palette where the system has
// no colour roles.
QColor SystemColour(platform::SystemColour role);
