#include "core/players/LaunchScriptRunner.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "base/AppError.h"
#include "platform/FileSystem.h"
#include "platform/FileTypes.h"
#include "platform/PathStyle.h"

namespace {

struct ResolvedCommand {
  std::string program;
  std::vector<std::string> args;
  bool wait;
};

// A launch script being run: one command after another, each waited for when the script says so.
class ScriptProcess : public platform::Process {
 public:
  ScriptProcess(std::vector<ResolvedCommand> commands, std::string folder)
      : commands_(std::move(commands)), folder_(std::move(folder)) {}

  // Runs commands up to the first one to wait for; returns the first failure's text.
  std::string Start() {
    std::string firstError;
    while (!current_ && next_ < commands_.size()) {
      const ResolvedCommand& command = commands_[next_++];
      platform::SpawnResult started =
          platform::SpawnProgram(command.program, command.args, folder_);
      if (!started.process) {
        const std::string text = CannotOpenFileText(command.args[0], started.error);
        if (firstError.empty()) firstError = text;
        std::fprintf(stderr, "%s\n", text.c_str());
        continue;
      }
      if (command.wait)
        current_ = std::move(started.process);
      else
        unwaited_.push_back(std::move(started.process));
    }
    return firstError;
  }

  bool Running() const { return current_ != nullptr; }

  bool WaitFor(int milliseconds) override {
    using Clock = std::chrono::steady_clock;
    const auto deadline = Clock::now() + std::chrono::milliseconds(milliseconds);
    while (current_) {
      int left = -1;
      if (milliseconds >= 0)
        left = static_cast<int>(std::max<long long>(
            0, std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now())
                   .count()));
      if (!current_->WaitFor(left)) return false;
      status_ = current_->ExitStatus();
      current_.reset();
      if (!ended_) Start();
    }
    return true;
  }

  // Ends what the script has started, the commands it did not wait for too, and starts no more.
  bool End() override {
    ended_ = true;
    bool any = false;
    if (current_) any = current_->End();
    for (const auto& started : unwaited_) any = started->End() || any;
    return any;
  }

  // The script's result is that of the last command it waited for, as the interpreter's is.
  std::optional<int> ExitStatus() const override { return status_; }

 private:
  std::optional<int> status_;
  std::vector<ResolvedCommand> commands_;
  std::string folder_;
  size_t next_ = 0;
  bool ended_ = false;
  std::unique_ptr<platform::Process> current_;
  // Released only with the script: each ends by itself and is reaped once nobody holds it.
  std::vector<std::unique_ptr<platform::Process>> unwaited_;
};

std::string InPosixFolder(const std::string& folder, const std::string& file) {
  if (folder.empty()) return file;
  return folder.back() == '/' ? folder + file : folder + "/" + file;
}

// The extension of a Windows file name, from its last '.', or empty.
std::string WindowsExtensionOf(const std::string& path) {
  const auto nameStart = path.find_last_of("\\/:");
  const auto dot = path.find_last_of('.');
  if (dot == std::string::npos || (nameStart != std::string::npos && dot < nameStart)) return {};
  return path.substr(dot);
}

bool IsWindowsFullPath(const std::string& path) {
  const bool drive = path.size() >= 2 && path[1] == ':';
  return drive || (!path.empty() && (path[0] == '\\' || path[0] == '/'));
}

std::string InWindowsFolder(const std::string& folder, const std::string& name) {
  if (folder.empty()) return name;
  const char last = folder.back();
  return last == '\\' || last == '/' || last == ':' ? folder + name : folder + "\\" + name;
}

// A ';' separated list as PATH and PATHEXT hold it; quotes around an entry are dropped.
std::vector<std::string> SplitWindowsList(const std::string& list) {
  std::vector<std::string> parts;
  size_t start = 0;
  while (start <= list.size()) {
    auto end = list.find(';', start);
    if (end == std::string::npos) end = list.size();
    std::string part = list.substr(start, end - start);
    if (part.size() >= 2 && part.front() == '"' && part.back() == '"')
      part = part.substr(1, part.size() - 2);
    if (!part.empty()) parts.push_back(part);
    start = end + 1;
  }
  return parts;
}

bool IsFile(const std::string& path) {
  return platform::StateOfPath(path).kind == platform::PathKind::File;
}

}  // namespace

std::string ResolveScriptProgram(const std::string& name, const std::string& workingFolder,
                                 const std::string& searchPath, const ProgramTest& isProgram) {
  std::string program = name;
  for (char& c : program)
    if (c == '\\') c = '/';
  if (program.empty()) return {};
  if (program.front() == '/') return isProgram(program) ? program : std::string();
  if (program.find('/') != std::string::npos) {
    const std::string candidate = InPosixFolder(workingFolder, program);
    return isProgram(candidate) ? candidate : std::string();
  }
  std::string candidate = InPosixFolder(workingFolder, program);
  if (isProgram(candidate)) return candidate;
  size_t start = 0;
  while (start <= searchPath.size()) {
    auto end = searchPath.find(':', start);
    if (end == std::string::npos) end = searchPath.size();
    const std::string folder = searchPath.substr(start, end - start);
    candidate = InPosixFolder(folder, program);
    if (!folder.empty() && isProgram(candidate)) return candidate;
    start = end + 1;
  }
  return {};
}

std::string ResolveWindowsScriptProgram(const std::string& name, const std::string& workingFolder,
                                        const std::string& searchPath, const std::string& pathExt,
                                        const ProgramTest& isFile) {
  if (name.empty()) return {};
  std::vector<std::string> candidates;
  if (IsWindowsFullPath(name)) {
    candidates.push_back(name);
  } else {
    candidates.push_back(InWindowsFolder(workingFolder, name));
    if (name.find_first_of("\\/:") == std::string::npos)
      for (const auto& folder : SplitWindowsList(searchPath))
        candidates.push_back(InWindowsFolder(folder, name));
  }
  const auto extensions = SplitWindowsList(pathExt);
  const bool hasExtension = !WindowsExtensionOf(name).empty();
  for (const auto& candidate : candidates) {
    if (hasExtension && isFile(candidate)) return candidate;
    for (const auto& extension : extensions)
      if (isFile(candidate + extension)) return candidate + extension;
  }
  return {};
}

std::string FindScriptProgram(const std::string& name, const std::string& workingFolder) {
  if (platform::NativePathRules() == platform::PathRules::Windows) {
    const auto path = platform::ScriptVariable("PATH");
    const auto pathExt = platform::ScriptVariable("PATHEXT");
    return ResolveWindowsScriptProgram(name, workingFolder, path ? *path : "",
                                       pathExt ? *pathExt : ".COM;.EXE;.BAT;.CMD;.VBS;.JS;.WSF",
                                       IsFile);
  }
  const char* searchPath = std::getenv("PATH");
  return ResolveScriptProgram(name, workingFolder, searchPath ? searchPath : "",
                              platform::IsProgramFile);
}

platform::OpenResult RunLaunchScript(const std::string& file, const std::string& folder,
                                     ScriptType type) {
  const std::string content = platform::ReadWholeFile(file);
  const auto commands = type == ScriptType::Vbs
                            ? ParseVbsScript(content, file, platform::ScriptVariable)
                            : ParseBatScript(content, file, platform::ScriptVariable);
  std::vector<ResolvedCommand> resolved;
  for (const auto& command : commands) {
    std::string program = FindScriptProgram(command.args[0], folder);
    if (program.empty())
      throw AppError("Cannot run launch script \"" + file + "\". The program \"" + command.args[0] +
                     "\" was not found");
    resolved.push_back({std::move(program), command.args, command.wait});
  }
  auto script = std::make_unique<ScriptProcess>(std::move(resolved), folder);
  platform::OpenResult result;
  result.error = script->Start();
  if (script->Running()) result.process = std::move(script);
  return result;
}
