#pragma once
#include <string>

class QObject;

// Shows stored bytes in a text property of a control ("text", "windowTitle") and remembers
// them, so that a text the operator left alone is written back as the very bytes that were
// read: decoding for display cannot always be undone (bytes that are no valid text).
void ShowStoredText(QObject* control, const char* property, const std::string& bytes);

// The bytes to store for the control's text now: the remembered bytes while the text is the
// one they were shown as, otherwise the text as the system's 8-bit bytes.
std::string StoredText(const QObject* control, const char* property);
