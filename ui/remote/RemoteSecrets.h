#pragma once
#include <string>

// Secrets for the remote drawn from the system's secure random source.
// A PIN of six digits, "000000" to "999999".
std::string DrawRemotePin();
// A web session's token: 32 lower-case hex digits (128 bits).
std::string DrawSessionToken();
