#include "ui/controls/StoredText.h"

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QVariant>

#include "ui/qt/QStringBytes.h"

namespace {
QByteArray MemoryName(const char* property) {
  return QByteArray("quadrelStoredBytes_") + property;
}
}  // namespace

void ShowStoredText(QObject* control, const char* property, const std::string& bytes) {
  control->setProperty(property, FromBytes(bytes));
  control->setProperty(MemoryName(property).constData(),
                       QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
}

std::string StoredText(const QObject* control, const char* property) {
  const QString shown = control->property(property).toString();
  const QVariant remembered = control->property(MemoryName(property).constData());
  if (remembered.isValid()) {
    const QByteArray bytes = remembered.toByteArray();
    std::string stored(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    if (FromBytes(stored) == shown) return stored;
  }
  return ToBytes(shown);
}
