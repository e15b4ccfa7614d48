#include "core/check/ShowCheck.h"

#include <unordered_map>

#include "base/AppError.h"
#include "base/AsciiCase.h"
#include "core/players/Bino2CommandFile.h"
#include "core/players/BinoCommandLine.h"
#include "core/players/ItemShell.h"
#include "core/players/LaunchScriptRunner.h"
#include "core/players/SPlayerCommandLine.h"
#include "core/show/ItemLaunch.h"
#include "platform/BatchText.h"
#include "platform/FileSystem.h"
#include "platform/TextEncoding.h"

namespace {

struct Problem {
  CheckKind kind;
  CheckSeverity severity;
  std::string detail;
};

std::string Quoted(const std::string& text) {
  return "\"" + text + "\"";
}

// The files a player's command line names: the values of Stereoscopic Player's -file:, -left:
// and -right:, and every other argument that is no option and carries an extension (Bino's
// videos and subtitle file; its option values standing apart, such as left-right, carry none).
// The script does not say which player wrote it, so both readers look. A command file is
// checked on its own.
std::vector<std::string> NamedFiles(const std::vector<std::string>& args) {
  std::vector<std::string> names = ReadSPlayerCommandLine(args).files;
  for (auto& name : ReadBinoCommandLine(args).files) names.push_back(std::move(name));
  return names;
}

const char* NamedFileWord(const std::string& name) {
  const std::string lower = AsciiLowered(name);
  for (const char* subtitle : {".srt", ".sub", ".ssa", ".ass", ".idx"}) {
    const std::string ending(subtitle);
    if (lower.size() >= ending.size() &&
        lower.compare(lower.size() - ending.size(), ending.size(), ending) == 0)
      return "subtitle file";
  }
  return "video";
}

// A Bino 2 command file: it must be there, open the videos that are there, and quit, or the
// show waits for ever at this item.
void CheckCommandFile(const ItemLaunch& launch, const std::string& name, const CheckSystem& system,
                      std::vector<Problem>& problems) {
  const std::string path = NativeItemLaunch(launch.file, name).file;
  const std::string what = "the script's Bino command file " + Quoted(name);
  const platform::PathState state = system.pathState(path);
  if (state.kind != platform::PathKind::File) {
    problems.push_back({CheckKind::CommandFile, CheckSeverity::Error,
                        what + (state.kind == platform::PathKind::Folder
                                    ? " is a folder (" + path + ")"
                                    : " is not in the script's folder (" + path + ")")});
    return;
  }
  std::string content;
  try {
    content = system.readFile(path);
  } catch (const AppError& error) {
    problems.push_back({CheckKind::CommandFile, CheckSeverity::Error, error.what()});
    return;
  }
  const Bino2Commands commands = ReadBino2CommandFile(content);
  for (const std::string& opened : commands.openedFiles) {
    const auto native = platform::Utf8ToNativeName(opened);
    const std::string shown = Quoted(opened);
    if (!native) {
      problems.push_back({CheckKind::MissingVideo, CheckSeverity::Error,
                          "the command file's video " + shown + " has no name on this system"});
      continue;
    }
    const std::string video = NativeItemLaunch(launch.file, *native).file;
    const platform::PathState videoState = system.pathState(video);
    if (videoState.kind != platform::PathKind::File)
      problems.push_back({CheckKind::MissingVideo, CheckSeverity::Error,
                          "the command file's video " + shown +
                              (videoState.kind == platform::PathKind::Folder
                                   ? " is a folder (" + video + ")"
                                   : " is not in the script's folder (" + video + ")")});
  }
  if (!commands.quits)
    problems.push_back({CheckKind::CommandFile, CheckSeverity::Error,
                        what + " never quits: the show would wait for ever at this item"});
}

void CheckScript(const ItemLaunch& launch, ScriptType type, bool runBuiltIn,
                 const CheckSystem& system, std::vector<Problem>& problems) {
  std::string content;
  try {
    content = system.readFile(launch.file);
    // Read in the code page it was written in: the console's for .bat (see ToBatchFileText).
    if (type == ScriptType::Bat) content = platform::FromBatchFileText(content);
  } catch (const AppError& error) {
    problems.push_back({CheckKind::UnreadableScript, CheckSeverity::Error, error.what()});
    return;
  }
  std::vector<ScriptCommand> commands;
  try {
    commands = type == ScriptType::Vbs ? ParseVbsScript(content, launch.file, system.variable)
                                       : ParseBatScript(content, launch.file, system.variable);
  } catch (const AppError& error) {
    // Where the system's own script host runs it, the reader's limits stop nothing.
    if (runBuiltIn)
      problems.push_back({CheckKind::UnreadableScript, CheckSeverity::Error, error.what()});
    else
      problems.push_back(
          {CheckKind::UnreadableScript, CheckSeverity::Info,
           std::string(error.what()) + " (the system runs it; its commands are not checked)"});
    return;
  }
  for (const auto& command : commands) {
    if (system.findScriptProgram(command.args[0], launch.folder).empty())
      problems.push_back({CheckKind::MissingProgram, CheckSeverity::Error,
                          "the script's program " + Quoted(command.args[0]) + " does not exist"});
    for (const auto& name : Bino2CommandFileNames(command.args))
      CheckCommandFile(launch, name, system, problems);
    for (const auto& name : NamedFiles(command.args)) {
      // Named as the presenter names items, relative to the script's own folder.
      const std::string path = NativeItemLaunch(launch.file, name).file;
      const platform::PathState state = system.pathState(path);
      if (state.kind == platform::PathKind::File) continue;
      const std::string what =
          std::string("the script's ") + NamedFileWord(name) + " " + Quoted(name);
      problems.push_back({CheckKind::MissingVideo, CheckSeverity::Error,
                          state.kind == platform::PathKind::Folder
                              ? what + " is a folder (" + path + ")"
                              : what + " is not in the script's folder (" + path + ")"});
    }
  }
}

std::vector<Problem> CheckFile(const ItemLaunch& launch, const CheckSystem& system) {
  std::vector<Problem> problems;
  const platform::PathState state = system.pathState(launch.file);
  if (state.kind == platform::PathKind::Missing) {
    problems.push_back({CheckKind::MissingFile, CheckSeverity::Error,
                        "missing file " + Quoted(launch.file) +
                            (state.reason.empty() ? "" : " (" + state.reason + ")")});
    return problems;
  }
  if (state.kind == platform::PathKind::Folder) {
    problems.push_back({CheckKind::Folder, CheckSeverity::Error,
                        Quoted(launch.file) + " is a folder, not a file"});
    return problems;
  }
  const platform::FileOpening opening = system.howFileOpens(launch.file);
  // The shell refuses exactly these files, with this reason.
  if (opening.problem == platform::StartProblem::MissingInterpreter) {
    problems.push_back({CheckKind::MissingInterpreter, CheckSeverity::Error, opening.reason});
    return problems;
  }
  if (opening.problem == platform::StartProblem::NoApplication && !opening.application.empty()) {
    problems.push_back({CheckKind::NoApplication, CheckSeverity::Error, opening.reason});
    return problems;
  }
  if (opening.way == platform::OpenWay::ByType && opening.application.empty()) {
    std::string type;
    if (opening.type.empty())
      type = "a file without extension";
    else if (opening.description.empty() || opening.description == opening.type)
      type = opening.type;
    else
      type = opening.description + ", " + opening.type;
    problems.push_back({CheckKind::NoApplication, CheckSeverity::Error,
                        "no application is associated with this type of file (" + type + ")"});
  }
  const ScriptType script = LaunchScriptTypeOf(launch.file);
  if (script != ScriptType::None)
    CheckScript(launch, script, opening.way == platform::OpenWay::LaunchScript, system, problems);
  return problems;
}

}  // namespace

CheckSystem NativeCheckSystem() {
  return {platform::StateOfPath, HowItemOpens,
          [](const std::string& file) { return platform::ReadWholeFile(file); }, FindScriptProgram,
          platform::ScriptVariable};
}

std::vector<CheckFinding> CheckShowList(const std::string& exePath,
                                        const std::vector<std::string>& items,
                                        const CheckSystem& system) {
  std::vector<CheckFinding> findings;
  std::unordered_map<std::string, size_t> firstPosition;
  // Repeated items and items that name the same file are looked at once.
  std::unordered_map<std::string, std::vector<Problem>> checked;
  for (size_t i = 0; i < items.size(); ++i) {
    const size_t position = i + 1;
    const std::string& item = items[i];
    auto add = [&](CheckKind kind, CheckSeverity severity, std::string detail) {
      findings.push_back({position, item, kind, severity, std::move(detail)});
    };
    if (item.empty()) {
      add(CheckKind::EmptyItem, CheckSeverity::Error,
          "empty item: it names the program's folder, not a file");
      continue;
    }
    const auto [first, isFirst] = firstPosition.emplace(item, position);
    if (!isFirst)
      add(CheckKind::Duplicate, CheckSeverity::Info,
          "the same item as position " + std::to_string(first->second));

    const ItemLaunch launch = NativeItemLaunch(exePath, item);
    const std::string key = launch.file + '\0' + launch.folder;
    auto found = checked.find(key);
    if (found == checked.end()) found = checked.emplace(key, CheckFile(launch, system)).first;
    for (const Problem& problem : found->second)
      add(problem.kind, problem.severity, problem.detail);
  }
  return findings;
}

CheckFinding ListCutFinding(const ListCut& cut, const std::vector<std::string>& items) {
  CheckFinding finding;
  finding.position = cut.line;
  // A NUL inside a line leaves that line's start as an item; the finding names it.
  if (cut.line >= 1 && cut.line <= items.size()) finding.item = items[cut.line - 1];
  finding.kind = CheckKind::ListCut;
  finding.severity = CheckSeverity::Error;
  finding.detail = "a NUL byte in line " + std::to_string(cut.line) +
                   " ends the list: the presenter reads only the " + std::to_string(cut.items) +
                   " items before it, and the rest of the file (" + std::to_string(cut.unread) +
                   " bytes) never plays";
  return finding;
}

const char* CheckKindName(CheckKind kind) {
  switch (kind) {
    case CheckKind::EmptyItem:
      return "empty-item";
    case CheckKind::Duplicate:
      return "duplicate";
    case CheckKind::MissingFile:
      return "missing-file";
    case CheckKind::Folder:
      return "folder";
    case CheckKind::NoApplication:
      return "no-application";
    case CheckKind::UnreadableScript:
      return "unreadable-script";
    case CheckKind::MissingProgram:
      return "missing-program";
    case CheckKind::MissingVideo:
      return "missing-video";
    case CheckKind::CommandFile:
      return "command-file";
    case CheckKind::MissingInterpreter:
      return "missing-interpreter";
    case CheckKind::ListCut:
      return "list-cut";
  }
  return "unknown";
}

const char* CheckSeverityName(CheckSeverity severity) {
  return severity == CheckSeverity::Error ? "error" : "info";
}

bool HasErrors(const std::vector<CheckFinding>& findings) {
  for (const auto& finding : findings)
    if (finding.severity == CheckSeverity::Error) return true;
  return false;
}
