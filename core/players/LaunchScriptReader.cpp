#include "core/players/LaunchScriptReader.h"

#include "base/AppError.h"
#include "base/AsciiCase.h"

namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

std::string_view TrimBlanks(std::string_view text) {
  while (!text.empty() && (IsBlank(text.front()) || text.front() == '\r')) text.remove_prefix(1);
  while (!text.empty() && (IsBlank(text.back()) || text.back() == '\r')) text.remove_suffix(1);
  return text;
}

// True when `text` starts with `word` (any letter case) followed by a blank or its end.
bool StartsWithWord(std::string_view text, std::string_view word) {
  if (text.size() < word.size() || AsciiLowered(text.substr(0, word.size())) != word) return false;
  return text.size() == word.size() || IsBlank(text[word.size()]);
}

std::vector<std::string_view> Lines(std::string_view content) {
  std::vector<std::string_view> lines;
  size_t start = 0;
  while (start <= content.size()) {
    const auto end = content.find('\n', start);
    lines.push_back(content.substr(start, end == std::string_view::npos ? end : end - start));
    if (end == std::string_view::npos) break;
    start = end + 1;
  }
  return lines;
}

[[noreturn]] void ThrowScriptError(const std::string& scriptPath, size_t lineIndex,
                                   const std::string& reason) {
  std::string text = "Cannot run launch script \"" + scriptPath + "\". ";
  if (lineIndex > 0) text += "Line " + std::to_string(lineIndex) + ": ";
  throw AppError(text + reason);
}

// Drops the command interpreter's escape character and refuses what would need its control
// operators, so the line can be split as a plain command line.
std::string ResolveCarets(std::string_view line, const std::string& scriptPath, size_t lineNo) {
  std::string result;
  bool quoted = false;
  for (size_t i = 0; i < line.size(); ++i) {
    const char c = line[i];
    if (c == '"') quoted = !quoted;
    if (!quoted && c == '^') {
      if (++i < line.size()) result += line[i];
      continue;
    }
    if (!quoted && (c == '&' || c == '|' || c == '<' || c == '>'))
      ThrowScriptError(scriptPath, lineNo,
                       std::string("'") + c + "' outside quotes needs a command interpreter");
    result += c;
  }
  return result;
}

}  // namespace

ScriptType LaunchScriptTypeOf(const std::string& file) {
  const auto nameStart = file.find_last_of("\\/");
  const auto dot = file.find_last_of('.');
  if (dot == std::string::npos || (nameStart != std::string::npos && dot < nameStart))
    return ScriptType::None;
  const std::string extension = AsciiLowered(file.substr(dot));
  if (extension == ".bat") return ScriptType::Bat;
  if (extension == ".vbs") return ScriptType::Vbs;
  return ScriptType::None;
}

std::vector<std::string> SplitWindowsCommandLine(std::string_view line) {
  std::vector<std::string> args;
  size_t i = 0;
  while (i < line.size() && IsBlank(line[i])) ++i;
  if (i == line.size()) return args;

  // The program name: quotes only group, backslashes are path separators.
  std::string program;
  bool quoted = false;
  for (; i < line.size(); ++i) {
    if (line[i] == '"') {
      quoted = !quoted;
      continue;
    }
    if (!quoted && IsBlank(line[i])) break;
    program += line[i];
  }
  args.push_back(program);

  for (;;) {
    while (i < line.size() && IsBlank(line[i])) ++i;
    if (i == line.size()) break;
    std::string arg;
    quoted = false;
    while (i < line.size()) {
      size_t slashes = 0;
      while (i < line.size() && line[i] == '\\') ++slashes, ++i;
      if (i < line.size() && line[i] == '"') {
        arg.append(slashes / 2, '\\');
        if (slashes % 2 == 1) {
          arg += '"';
        } else if (quoted && i + 1 < line.size() && line[i + 1] == '"') {
          arg += '"';
          ++i;
        } else {
          quoted = !quoted;
        }
        ++i;
        continue;
      }
      arg.append(slashes, '\\');
      if (i == line.size() || (!quoted && IsBlank(line[i]))) break;
      arg += line[i++];
    }
    args.push_back(arg);
  }
  return args;
}

std::string ExpandBatchLine(std::string_view line, const std::string& scriptPath,
                            const VariableLookup& lookup) {
  std::string result;
  for (size_t i = 0; i < line.size(); ++i) {
    if (line[i] != '%') {
      result += line[i];
      continue;
    }
    if (i + 1 < line.size()) {
      const char next = line[i + 1];
      if (next == '%') {
        result += '%';
        ++i;
        continue;
      }
      if (next >= '0' && next <= '9') {
        if (next == '0') result += scriptPath;
        ++i;
        continue;
      }
      if (next == '*') {
        ++i;
        continue;
      }
    }
    const auto close = line.find('%', i + 1);
    if (close == std::string_view::npos) continue;  // a lone % is dropped
    const std::string name(line.substr(i + 1, close - i - 1));
    if (auto value = lookup(name)) result += *value;
    i = close;
  }
  return result;
}

std::vector<ScriptCommand> ParseBatScript(std::string_view content, const std::string& scriptPath,
                                          const VariableLookup& lookup) {
  std::vector<ScriptCommand> commands;
  const auto lines = Lines(content);
  for (size_t n = 0; n < lines.size(); ++n) {
    std::string_view line = TrimBlanks(lines[n]);
    while (!line.empty() && line.front() == '@') line = TrimBlanks(line.substr(1));
    if (line.empty() || line.front() == ':' || StartsWithWord(line, "rem")) continue;
    const std::string lower = AsciiLowered(line);
    if (lower == "echo off" || lower == "echo on") continue;
    const std::string expanded =
        ResolveCarets(ExpandBatchLine(line, scriptPath, lookup), scriptPath, n + 1);
    auto args = SplitWindowsCommandLine(expanded);
    if (args.empty()) continue;
    if (args[0].empty()) ThrowScriptError(scriptPath, n + 1, "the line names no program");
    commands.push_back({std::move(args), true});
  }
  if (commands.empty()) ThrowScriptError(scriptPath, 0, "It holds no command");
  return commands;
}

namespace {

// Reads the VBScript string literal at `pos` (which holds its opening quote).
std::string ReadVbsString(std::string_view line, size_t& pos, const std::string& scriptPath,
                          size_t lineNo) {
  std::string text;
  for (++pos; pos < line.size(); ++pos) {
    if (line[pos] != '"') {
      text += line[pos];
    } else if (pos + 1 < line.size() && line[pos + 1] == '"') {
      text += '"';
      ++pos;
    } else {
      ++pos;
      return text;
    }
  }
  ThrowScriptError(scriptPath, lineNo, "the text has no closing quote");
}

// The arguments after the command text: ", style, wait" with optional parentheses; nothing
// when they do not have that form.
std::optional<std::vector<std::string>> ReadVbsArguments(std::string_view rest) {
  std::vector<std::string> values;
  rest = TrimBlanks(rest);
  if (!rest.empty() && rest.back() == ')') rest = TrimBlanks(rest.substr(0, rest.size() - 1));
  while (!rest.empty()) {
    if (rest.front() != ',') return std::nullopt;
    rest.remove_prefix(1);
    const auto comma = rest.find(',');
    values.emplace_back(TrimBlanks(rest.substr(0, comma)));
    rest = comma == std::string_view::npos ? std::string_view() : rest.substr(comma);
  }
  return values;
}

}  // namespace

std::string ExpandScriptHostText(std::string_view text, const VariableLookup& lookup) {
  std::string result;
  size_t i = 0;
  while (i < text.size()) {
    const auto open = text.find('%', i);
    const auto close = open == std::string_view::npos ? open : text.find('%', open + 1);
    if (close == std::string_view::npos) {
      result += text.substr(i);
      break;
    }
    result += text.substr(i, open - i);
    const std::string name(text.substr(open + 1, close - open - 1));
    const auto value = name.empty() || !lookup ? std::nullopt : lookup(name);
    // Undefined: the text stays as written and the scan goes on after its closing %.
    result += value ? *value : std::string(text.substr(open, close - open + 1));
    i = close + 1;
  }
  return result;
}

std::vector<ScriptCommand> ParseVbsScript(std::string_view content, const std::string& scriptPath,
                                          const VariableLookup& lookup) {
  std::vector<ScriptCommand> commands;
  const auto lines = Lines(content);
  for (size_t n = 0; n < lines.size(); ++n) {
    const std::string_view line = TrimBlanks(lines[n]);
    const std::string lower = AsciiLowered(line);
    if (line.empty() || line.front() == '\'' || StartsWithWord(lower, "rem") ||
        StartsWithWord(lower, "dim") || StartsWithWord(lower, "set"))
      continue;
    const auto run = lower.find(".run");
    if (run == std::string::npos)
      ThrowScriptError(scriptPath, n + 1, "only Run commands can be started");
    size_t pos = run + 4;
    while (pos < line.size() && IsBlank(line[pos])) ++pos;
    if (pos < line.size() && line[pos] == '(') ++pos;
    while (pos < line.size() && IsBlank(line[pos])) ++pos;
    if (pos >= line.size() || line[pos] != '"')
      ThrowScriptError(scriptPath, n + 1, "Run needs the command line as a quoted text");
    std::string commandLine = ReadVbsString(line, pos, scriptPath, n + 1);
    const auto values = ReadVbsArguments(line.substr(pos));
    if (!values || values->size() > 2)
      ThrowScriptError(scriptPath, n + 1, "the arguments of Run cannot be read");
    bool wait = false;
    if (values->size() == 2) {
      const std::string flag = AsciiLowered((*values)[1]);
      if (flag == "true") {
        wait = true;
      } else if (flag == "false") {
        wait = false;
      } else if (!flag.empty() && flag.find_first_not_of("-0123456789") == std::string::npos) {
        wait = flag.find_first_not_of("-0") != std::string::npos;
      } else {
        ThrowScriptError(scriptPath, n + 1, "the wait argument of Run cannot be read");
      }
    }
    // Run expands variables in the whole command line before it is split, as Script Host does.
    auto args = SplitWindowsCommandLine(ExpandScriptHostText(commandLine, lookup));
    if (args.empty() || args[0].empty())
      ThrowScriptError(scriptPath, n + 1, "the command line names no program");
    commands.push_back({std::move(args), wait});
  }
  if (commands.empty()) ThrowScriptError(scriptPath, 0, "It holds no Run command");
  return commands;
}
