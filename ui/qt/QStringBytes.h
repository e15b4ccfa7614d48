#pragma once
#include <QString>
#include <string>

// Stored bytes for display: the ANSI code page on Windows, UTF-8 elsewhere (invalid bytes shown
// as replacement characters). Display never feeds back into the stored bytes.
QString FromBytes(const std::string& bytes);
// Text typed by the operator as the system's 8-bit bytes.
std::string ToBytes(const QString& text);
// A file name from Qt (a dialog, any Qt path) as the bytes of a native path, with the system's
// own separators, and back. Every path Qt gives goes to the core through here.
std::string FileNameToBytes(const QString& fileName);
QString FileNameFromBytes(const std::string& bytes);
