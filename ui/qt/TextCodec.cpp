#include "ui/qt/TextCodec.h"

#include <QFile>

QString FromBytes(const std::string& bytes) {
  return QString::fromLocal8Bit(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

std::string ToBytes(const QString& text) {
  return text.toLocal8Bit().toStdString();
}

std::string FileNameToBytes(const QString& fileName) {
  return QFile::encodeName(fileName).toStdString();
}

QString FileNameFromBytes(const std::string& bytes) {
  return QFile::decodeName(QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
}
