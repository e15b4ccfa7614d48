#pragma once
#include <string>

namespace platform {

// The bytes of a .bat script whose text is `text` in the program's own 8-bit encoding. The
// command interpreter reads a batch file in the console (OEM) code page, not the ANSI code page
// the program and Script Host use, so on Windows each character is re-encoded; elsewhere the
// built-in reader takes the bytes as they are. Throws AppError (`Cannot create file "<script>".`)
// when a character has no form in the console code page: the script would start another file.
std::string ToBatchFileText(const std::string& text, const std::string& scriptPath);

// The reverse, for reading a .bat as the command interpreter does: its bytes (console code page
// on Windows) as text in the program's own 8-bit encoding. A character the ANSI code page lacks
// becomes '?', which names no file, so a reader never finds a file the interpreter would not.
std::string FromBatchFileText(const std::string& bytes);

}  // namespace platform
