#pragma once
#include <functional>
#include <string>

#include "core/players/LaunchScriptReader.h"
#include "platform/Shell.h"

// Running a launch script where the system has no script host: each command the reader finds
// is resolved to its program file and started through the platform, without any shell.

// Tells whether a candidate path is a program (or, by the Windows rules, a file) to start.
using ProgramTest = std::function<bool(const std::string& path)>;

// Where the program `name` of a script command is, for a POSIX system: '\' is read as '/';
// a name with a folder is taken relative to `workingFolder` (unless absolute); a bare name is
// looked for in `workingFolder` first, as the command interpreter does, then along `searchPath`
// (':' separated). Empty when `isProgram` accepts none of the candidates.
std::string ResolveScriptProgram(const std::string& name, const std::string& workingFolder,
                                 const std::string& searchPath, const ProgramTest& isProgram);

// The same as the Windows command interpreter looks: a full name as it stands, a name with a
// folder relative to the working folder, a bare name in the working folder and then along
// `searchPath` (';' separated, quotes dropped); a name without extension tried with each
// extension of `pathExt` in turn. Empty when `isFile` accepts none.
std::string ResolveWindowsScriptProgram(const std::string& name, const std::string& workingFolder,
                                        const std::string& searchPath, const std::string& pathExt,
                                        const ProgramTest& isFile);

// The file a launch script's program `name` stands for when the script runs in
// `workingFolder`, by this system's rules and environment; empty when there is none.
std::string FindScriptProgram(const std::string& name, const std::string& workingFolder);

// Reads the script `file` (native full path) of `type`, resolves every command's program
// and starts the commands in `folder`, one after the other, each waited for where the script
// says so. The process, when there is one, is the script: it ends with the last command it
// waited for and starts the next ones meanwhile. A command that cannot start is reported in
// `error` (the first one) and skipped. Throws AppError when the script cannot be read or names
// a program that is not there; then nothing is started.
platform::OpenResult RunLaunchScript(const std::string& file, const std::string& folder,
                                     ScriptType type);
