#pragma once
#include <QColor>

#include "core/show/ShowRules.h"

// The corner indicator's colours: the system's hot-light and grey-text colours, and purple.
QColor MarkerColourOf(MarkerColour colour);
