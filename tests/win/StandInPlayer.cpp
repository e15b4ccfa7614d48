// A stand-in for a 3D video player: logs the arguments it was given (as the program's start-up
// code splits them) and its working folder, then stays running for a while, as a player would.
// The log is a JSON line per event, in UTF-8, appended to %QUADREL_PLAYER_LOG% or, when that is
// not set, to the file beside the program named after it with ".log".
// How long it runs: %QUADREL_PLAYER_MS% milliseconds (default 1000).
#include <windows.h>
// After windows.h, which it builds on.
#include <shellapi.h>

#include <cstdio>
#include <string>

namespace {

std::string Utf8(const wchar_t* text) {
  const int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<size_t>(size > 0 ? size - 1 : 0), '\0');
  if (size > 1) WideCharToMultiByte(CP_UTF8, 0, text, -1, out.data(), size, nullptr, nullptr);
  return out;
}

std::string Json(const std::string& text) {
  std::string out = "\"";
  for (const unsigned char c : text) {
    if (c == '"' || c == '\\') {
      out += '\\';
      out += static_cast<char>(c);
    } else if (c < 0x20) {
      char code[8];
      std::snprintf(code, sizeof code, "\\u%04x", c);
      out += code;
    } else {
      out += static_cast<char>(c);
    }
  }
  return out + "\"";
}

std::wstring Variable(const wchar_t* name) {
  wchar_t value[4096];
  const DWORD size = GetEnvironmentVariableW(name, value, 4096);
  return size > 0 && size < 4096 ? std::wstring(value, size) : std::wstring();
}

// Milliseconds since 1970, so the log's times compare with the test's own clock.
long long NowMs() {
  FILETIME now;
  GetSystemTimeAsFileTime(&now);
  const unsigned long long ticks =
      (static_cast<unsigned long long>(now.dwHighDateTime) << 32) | now.dwLowDateTime;
  return static_cast<long long>(ticks / 10000ULL - 11644473600000ULL);
}

void Append(const std::wstring& logPath, const std::string& line) {
  // Opened per line and closed at once, so a test reading the log sees whole lines.
  HANDLE file = CreateFileW(logPath.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE,
                            nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return;
  const std::string text = line + "\n";
  DWORD written = 0;
  WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
  CloseHandle(file);
}

}  // namespace

int main() {
  int count = 0;
  wchar_t** args = CommandLineToArgvW(GetCommandLineW(), &count);
  wchar_t exe[MAX_PATH];
  GetModuleFileNameW(nullptr, exe, MAX_PATH);
  std::wstring logPath = Variable(L"QUADREL_PLAYER_LOG");
  if (logPath.empty()) {
    logPath = exe;
    const auto dot = logPath.find_last_of(L'.');
    logPath = logPath.substr(0, dot) + L".log";
  }
  wchar_t folder[MAX_PATH];
  GetCurrentDirectoryW(MAX_PATH, folder);

  std::string line = "{\"event\": \"start\", \"ms\": " + std::to_string(NowMs()) +
                     ", \"cwd\": " + Json(Utf8(folder)) + ", \"args\": [";
  for (int i = 1; i < count; ++i) line += (i > 1 ? ", " : "") + Json(Utf8(args[i]));
  Append(logPath, line + "]}");

  const std::wstring runFor = Variable(L"QUADREL_PLAYER_MS");
  Sleep(runFor.empty() ? 1000 : static_cast<DWORD>(_wtoi(runFor.c_str())));
  Append(logPath, "{\"event\": \"end\", \"ms\": " + std::to_string(NowMs()) + "}");
  LocalFree(args);
  return 0;
}
