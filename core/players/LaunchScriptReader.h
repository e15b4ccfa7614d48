#pragma once
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The built-in reader of the two launch-script formats the player windows write, so that a
// .bat or .vbs item starts its player where no command interpreter or script host exists.
// Nothing here goes through a shell: a script becomes plain argument lists.

// A launch script by its extension (.bat or .vbs, any letter case), or None.
enum class ScriptType { None, Bat, Vbs };
ScriptType LaunchScriptTypeOf(const std::string& file);

// One program start a script asks for.
struct ScriptCommand {
  std::vector<std::string> args;  // args[0] names the program as the script writes it
  bool wait = true;               // the script waits for the program before going on
};

// A variable's value, or nothing when it is not defined.
using VariableLookup = std::function<std::optional<std::string>(const std::string& name)>;

// Splits a command line as a Windows program's start-up code does: the program name up to the
// first blank outside quotes, quotes removed; then the arguments, where quotes group blanks,
// "" inside a quoted part is one quote, and backslashes escape only a following quote.
std::vector<std::string> SplitWindowsCommandLine(std::string_view line);

// A .bat line after the command interpreter's percent expansion: %% gives %, %0 the script,
// %1..%9 and %* nothing (no arguments are passed), %NAME% the variable or nothing, and a lone %
// is dropped.
std::string ExpandBatchLine(std::string_view line, const std::string& scriptPath,
                            const VariableLookup& lookup);

// The commands of a .bat file, one per command line, each waited for. Blank lines, labels,
// REM and :: comments and ECHO OFF/ON are skipped; a leading @ is dropped; ^ escapes the next
// character outside quotes. Throws AppError for what only a command interpreter could do
// (pipes, redirections, command chaining) and for a script without a command.
std::vector<ScriptCommand> ParseBatScript(std::string_view content, const std::string& scriptPath,
                                          const VariableLookup& lookup);

// A command line after Script Host's expansion of it in Run: %NAME% gives the variable, and a
// name that is not defined is left as written, percent signs and all (so is a lone %, and %%).
std::string ExpandScriptHostText(std::string_view text, const VariableLookup& lookup);

// The commands of a .vbs file: each `<object>.Run("command line", style, wait)` line, with ""
// in the string read as one quote and %NAME% expanded from `lookup` as Run does; waits when
// `wait` is true or non-zero (VBScript's default is not to wait). Dim, Set, comments and blank
// lines are skipped; any other line throws AppError, as does a script without a Run line.
std::vector<ScriptCommand> ParseVbsScript(std::string_view content, const std::string& scriptPath,
                                          const VariableLookup& lookup = {});
