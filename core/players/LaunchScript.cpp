#include "core/players/LaunchScript.h"

namespace {

// Where the file name of a native path begins: after its last backslash or slash. A ':' is no
// separator here, so it stays part of a Linux file name.
size_t NameStart(const std::string& path) {
  const auto cut = path.find_last_of("\\/");
  return cut == std::string::npos ? 0 : cut + 1;
}

}  // namespace

ScriptKind ScriptKindFromIndex(int itemIndex) {
  return itemIndex == 0 ? ScriptKind::Bat : ScriptKind::Vbs;
}

std::string QuoteMark(ScriptKind kind) {
  return kind == ScriptKind::Bat ? "\"" : "\"\"";
}

std::string VideoFileName(const std::string& videoPath) {
  return videoPath.substr(NameStart(videoPath));
}

std::string ReplaceExtension(const std::string& name, const std::string& extension) {
  const auto dot = name.find_last_of('.');
  return (dot == std::string::npos ? name : name.substr(0, dot)) + extension;
}

std::string LaunchScriptPath(const std::string& videoPath, ScriptKind kind) {
  const size_t start = NameStart(videoPath);
  return videoPath.substr(0, start) +
         ReplaceExtension(videoPath.substr(start), kind == ScriptKind::Bat ? ".bat" : ".vbs");
}

std::string ScriptFileName(const std::string& name, ScriptKind kind) {
  if (kind != ScriptKind::Bat) return name;
  std::string result;
  result.reserve(name.size());
  for (const char c : name) {
    result += c;
    if (c == '%') result += '%';
  }
  return result;
}

std::string LaunchScriptText(const std::string& commandLine, ScriptKind kind) {
  if (kind == ScriptKind::Bat) return commandLine + "\r\n";
  return "Dim return\r\n"
         "Set WSHShell = WScript.CreateObject(\"WScript.Shell\")\r\n"
         "return=WshShell.Run(\"" +
         commandLine + "\", 1, true)\r\n";
}
