#include "showlist/ShowCheck.h"

#include <unordered_map>

#include "platform/AppError.h"
#include "platform/FileSystem.h"
#include "show/ItemLaunch.h"

namespace {

struct Problem {
  CheckKind kind;
  CheckSeverity severity;
  std::string detail;
};

std::string Lower(std::string text) {
  for (char& c : text)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return text;
}

bool StartsWith(const std::string& text, const std::string& prefix) {
  return text.compare(0, prefix.size(), prefix) == 0;
}

bool HasExtension(const std::string& name) {
  const auto nameStart = name.find_last_of("\\/:");
  const auto dot = name.find_last_of('.');
  return dot != std::string::npos && (nameStart == std::string::npos || dot > nameStart);
}

std::string Quoted(const std::string& text) {
  return "\"" + text + "\"";
}

// The files a player's command line names: the values of Stereoscopic Player's -file:, -left:
// and -right:, and every other argument that is no option and carries an extension (Bino's
// videos and subtitle file; its option values standing apart, such as left-right, carry none).
std::vector<std::string> NamedFiles(const std::vector<std::string>& args) {
  std::vector<std::string> names;
  for (size_t i = 1; i < args.size(); ++i) {
    const std::string& arg = args[i];
    const std::string lower = Lower(arg);
    bool taken = false;
    for (const char* prefix : {"-file:", "-left:", "-right:"}) {
      if (StartsWith(lower, prefix)) {
        taken = true;
        if (arg.size() > std::string(prefix).size())
          names.push_back(arg.substr(std::string(prefix).size()));
      }
    }
    if (taken || arg.empty()) continue;
    if (arg[0] != '-' && HasExtension(arg)) names.push_back(arg);
  }
  return names;
}

const char* NamedFileWord(const std::string& name) {
  const std::string lower = Lower(name);
  for (const char* subtitle : {".srt", ".sub", ".ssa", ".ass", ".idx"}) {
    const std::string ending(subtitle);
    if (lower.size() >= ending.size() &&
        lower.compare(lower.size() - ending.size(), ending.size(), ending) == 0)
      return "subtitle file";
  }
  return "video";
}

void CheckScript(const ItemLaunch& launch, platform::ScriptType type, bool runBuiltIn,
                 const CheckSystem& system, std::vector<Problem>& problems) {
  std::string content;
  try {
    content = system.readFile(launch.file);
  } catch (const AppError& error) {
    problems.push_back({CheckKind::UnreadableScript, CheckSeverity::Error, error.what()});
    return;
  }
  std::vector<platform::ScriptCommand> commands;
  try {
    commands = type == platform::ScriptType::Vbs
                   ? platform::ParseVbsScript(content, launch.file, system.variable)
                   : platform::ParseBatScript(content, launch.file, system.variable);
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
  const platform::ScriptType script = platform::LaunchScriptTypeOf(launch.file);
  if (script != platform::ScriptType::None)
    CheckScript(launch, script, opening.way == platform::OpenWay::LaunchScript, system, problems);
  return problems;
}

}  // namespace

CheckSystem NativeCheckSystem() {
  return {platform::StateOfPath, platform::HowFileOpens,
          [](const std::string& file) { return platform::ReadWholeFile(file); },
          platform::FindScriptProgram, platform::ScriptVariable};
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
