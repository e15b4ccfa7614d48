#include "ui/remote/RemoteSecrets.h"

#include <QRandomGenerator>
#include <cstdio>

std::string DrawRemotePin() {
  char digits[8];
  std::snprintf(digits, sizeof digits, "%06u", QRandomGenerator::system()->bounded(1000000u));
  return digits;
}

std::string DrawSessionToken() {
  static constexpr char kHex[] = "0123456789abcdef";
  std::string token;
  for (int i = 0; i < 4; ++i) {
    quint32 word = QRandomGenerator::system()->generate();
    for (int j = 0; j < 8; ++j, word >>= 4) token += kHex[word & 0xF];
  }
  return token;
}
