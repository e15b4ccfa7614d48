#pragma once
#include <optional>
#include <string>

// What this system says about a show item's file: what stands at a path, whether it is a
// program, which application its type opens with. The core decides from these how an item
// starts (ItemShell), so the presenter's shell and the show check cannot disagree.
namespace platform {

enum class PathKind { Missing, Folder, File };

// What stands at a path; `reason` is the system's text when nothing can be reached there.
struct PathState {
  PathKind kind = PathKind::Missing;
  std::string reason;
};
PathState StateOfPath(const std::string& path);

// True where the system's own shell runs .bat and .vbs files (Windows); elsewhere the core's
// built-in launch-script runner starts them.
bool SystemRunsLaunchScripts();

// The three ways an item's file is started.
enum class OpenWay {
  Program,       // run directly, with no arguments
  LaunchScript,  // .bat or .vbs run by the built-in launch-script runner
  ByType,        // opened with the application associated with its type
};

// What stops the system from starting a file, known before it tries.
enum class StartProblem {
  None,
  NoApplication,       // no application for the type, or the one chosen cannot be started
  MissingInterpreter,  // the "#!" line names an interpreter that is not there or cannot run
};

struct FileOpening {
  OpenWay way = OpenWay::ByType;
  std::string type;         // ByType: the content type (Linux) or the extension (Windows)
  std::string description;  // ByType: the type's readable name, or empty
  std::string application;  // ByType: the application's name; empty when none would open it
  StartProblem problem = StartProblem::None;
  std::string reason;  // the operator's text for `problem`, as the shell reports it
};

// How the system's shell would start `file`, an existing file (native full path): as a program
// or by its type, never as a launch script. The system's shell refuses exactly the files this
// finds a problem with, giving `reason`.
FileOpening HowSystemOpens(const std::string& file);

// True when `path` is a file the shell starts by itself, with no associated application
// (Linux: the execute bit; Windows: .exe, .com, .bat, .cmd and .pif).
bool IsProgramFile(const std::string& path);

// The value %NAME% expands to in a .bat line, or nothing when the variable is not defined
// (names are matched without letter case, as the command interpreter does).
std::optional<std::string> ScriptVariable(const std::string& name);

}  // namespace platform
