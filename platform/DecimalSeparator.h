#pragma once

namespace platform {
// The decimal separator of the user's locale (for example '.' or ',').
char DecimalSeparator();
}  // namespace platform
