#include "ui/remote/RemotePage.h"

#include <QFile>

std::string RemotePageHtml() {
  QFile page(QStringLiteral(":/remote/remote.html"));
  if (!page.open(QIODevice::ReadOnly)) return {};
  const QByteArray bytes = page.readAll();
  return std::string(bytes.constData(), static_cast<size_t>(bytes.size()));
}
