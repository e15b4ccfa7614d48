#include "ui/qt/QStringBytes.h"

#include <QDir>
#include <QFile>

QString FromBytes(const std::string& bytes) {
  return QString::fromLocal8Bit(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

std::string ToBytes(const QString& text) {
  return text.toLocal8Bit().toStdString();
}

std::string FileNameToBytes(const QString& fileName) {
  // Qt hands out '/' on every system; the core splits Windows paths at '\' only.
  return QFile::encodeName(QDir::toNativeSeparators(fileName)).toStdString();
}

QString FileNameFromBytes(const std::string& bytes) {
  return QFile::decodeName(QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
}
