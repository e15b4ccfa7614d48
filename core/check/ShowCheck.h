#pragma once
#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "core/players/LaunchScriptReader.h"
#include "core/showlist/ShowListFile.h"
#include "platform/FileTypes.h"

// What can stop an item from playing, or is worth knowing before the show.
enum class CheckKind {
  EmptyItem,           // an empty line of the list
  Duplicate,           // the same item text stands earlier in the list (information only)
  MissingFile,         // the item's file does not exist
  Folder,              // the item names a folder
  NoApplication,       // no application is associated with the file's type
  UnreadableScript,    // a .bat or .vbs the launch-script reader cannot run
  MissingProgram,      // a script's command names a program that does not exist
  MissingVideo,        // a script's command line names a video that is not in the script's folder
  CommandFile,         // a player's command file that is missing, unreadable or never quits
  MissingInterpreter,  // a program's "#!" line names an interpreter that is not there
  ListCut,             // a NUL byte ends the list file early: what follows it is no item
};

enum class CheckSeverity { Error, Info };

struct CheckFinding {
  size_t position = 0;  // counted from 1, as the show window numbers items
  std::string item;     // the item's bytes as the list holds them
  CheckKind kind = CheckKind::EmptyItem;
  CheckSeverity severity = CheckSeverity::Error;
  std::string detail;  // what is wrong, naming the file concerned
};

// The system's answers the check needs; NativeCheckSystem() gives this system's own, the very
// ones the presenter's shell uses.
struct CheckSystem {
  std::function<platform::PathState(const std::string& path)> pathState;
  std::function<platform::FileOpening(const std::string& file)> howFileOpens;
  std::function<std::string(const std::string& file)> readFile;  // throws AppError
  std::function<std::string(const std::string& name, const std::string& workingFolder)>
      findScriptProgram;
  VariableLookup variable;
};
CheckSystem NativeCheckSystem();

// Resolves every item as the presenter `exePath` (native) would start it and returns the
// problems in list order, several per item where several apply.
std::vector<CheckFinding> CheckShowList(const std::string& exePath,
                                        const std::vector<std::string>& items,
                                        const CheckSystem& system);

// The finding for a list file that a NUL byte cut short: placed at the line holding the NUL, an
// error, since the items written after it never play.
CheckFinding ListCutFinding(const ListCut& cut, const std::vector<std::string>& items);

// The stable name of a kind for other tools: "missing-file", "no-application", ...
const char* CheckKindName(CheckKind kind);
const char* CheckSeverityName(CheckSeverity severity);
bool HasErrors(const std::vector<CheckFinding>& findings);
