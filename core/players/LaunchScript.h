#pragma once
#include <string>

// The two script forms, by the item index of a window's "File types" group.
enum class ScriptKind { Bat, Vbs };

// Item 0 writes BAT scripts; item 1 and a group with no item selected write complete VBS
// scripts, so a script is always whole and runnable.
ScriptKind ScriptKindFromIndex(int itemIndex);

// The text enclosing every quoted part of a command line: one double-quote character in a BAT
// script, two in a VBS script (a doubled quote inside the VBScript string literal).
std::string QuoteMark(ScriptKind kind);

// The file name of a native full path, without its folder.
std::string VideoFileName(const std::string& videoPath);

// `name` (a file name without folder) with its extension, the part from its last '.' on,
// replaced by `extension`, or with `extension` appended when it has no '.'.
std::string ReplaceExtension(const std::string& name, const std::string& extension);

// The script beside `videoPath`: the last extension of its file name replaced by ".bat" or
// ".vbs", or appended when the name has none.
std::string LaunchScriptPath(const std::string& videoPath, ScriptKind kind);

// A video or subtitle name as it must stand in a command line of `kind`: in a BAT script each
// '%' is doubled so the command interpreter passes the name unchanged.
std::string ScriptFileName(const std::string& name, ScriptKind kind);

// The bytes of the whole script for `commandLine`: BAT one line, VBS three lines, each ended by
// CR LF, no byte-order mark.
std::string LaunchScriptText(const std::string& commandLine, ScriptKind kind);
