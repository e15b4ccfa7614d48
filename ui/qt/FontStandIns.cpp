#include "ui/qt/FontStandIns.h"

#include <QFont>
#include <QStringList>

void InstallFontStandIns() {
  QFont::insertSubstitutions(
      QStringLiteral("Tahoma"),
      {QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"), QStringLiteral("Arial")});
}
