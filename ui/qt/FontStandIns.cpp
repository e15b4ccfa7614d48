#include "ui/qt/FontStandIns.h"

#include <QFont>
#include <QStringList>

namespace platform {

void InstallFontStandIns() {
  QFont::insertSubstitutions(
      QStringLiteral("Tahoma"),
      {QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"), QStringLiteral("Arial")});
}

}  // namespace platform
