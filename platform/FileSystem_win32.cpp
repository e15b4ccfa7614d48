#include <windows.h>

#include <algorithm>

#include "base/AppError.h"
#include "platform/FileSystem.h"

namespace platform {
namespace {

std::string SystemText(DWORD code) {
  char* buffer = nullptr;
  const DWORD n = FormatMessageA(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, code, 0, reinterpret_cast<char*>(&buffer), 0, nullptr);
  std::string text = n && buffer ? std::string(buffer, n) : "System error " + std::to_string(code);
  if (buffer) LocalFree(buffer);
  // The report adds its own full stop; the system's text ends with one and a line break.
  while (!text.empty() && (static_cast<unsigned char>(text.back()) <= ' ' || text.back() == '.'))
    text.pop_back();
  return text;
}

std::string FolderOf(const std::string& path) {
  const auto cut = path.find_last_of("\\/:");
  if (cut == std::string::npos) return ".";
  if (path[cut] == ':') return path.substr(0, cut + 1);
  return path.substr(0, cut);
}

[[noreturn]] void ThrowCreate(const std::string& path, DWORD code, SaveErrors errors) {
  if (errors == SaveErrors::UnableToWrite) throw AppError(UnableToWriteText(path));
  throw AppError(CannotCreateFileText(path, SystemText(code)));
}

[[noreturn]] void ThrowStream(const std::string& path, SaveErrors errors) {
  if (errors == SaveErrors::UnableToWrite) throw AppError(UnableToWriteText(path));
  throw AppError(StreamWriteErrorText());
}

struct TempFile {
  HANDLE handle = INVALID_HANDLE_VALUE;
  std::string name;
  bool keep = false;
  ~TempFile() {
    if (handle != INVALID_HANDLE_VALUE) CloseHandle(handle);
    if (!keep && !name.empty()) DeleteFileA(name.c_str());
  }
};

// Refuses a target that cannot be replaced: a folder or a read-only file.
void CheckReplaceable(const std::string& path, SaveErrors errors) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return;
  if (attributes & FILE_ATTRIBUTE_DIRECTORY) ThrowCreate(path, ERROR_ACCESS_DENIED, errors);
  if (attributes & FILE_ATTRIBUTE_READONLY) ThrowCreate(path, ERROR_ACCESS_DENIED, errors);
}

// A new temporary file in the target's folder, open for writing.
void CreateTempFile(TempFile& temp, const std::string& path, SaveErrors errors) {
  char name[MAX_PATH + 16];
  if (!GetTempFileNameA(FolderOf(path).c_str(), "qdl", 0, name)) {
    ThrowCreate(path, GetLastError(), errors);
  }
  temp.name = name;
  temp.handle =
      CreateFileA(name, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (temp.handle == INVALID_HANDLE_VALUE) ThrowCreate(path, GetLastError(), errors);
}

// Writes every piece `produce` hands over; a short write is a stream error.
void WriteTempFile(const TempFile& temp, const std::function<void(const ByteSink&)>& produce,
                   const std::string& path, SaveErrors errors) {
  produce([&](std::string_view data) {
    size_t done = 0;
    while (done < data.size()) {
      const DWORD chunk = static_cast<DWORD>(std::min<size_t>(data.size() - done, 1u << 30));
      DWORD n = 0;
      if (!WriteFile(temp.handle, data.data() + done, chunk, &n, nullptr) || n == 0)
        ThrowStream(path, errors);
      done += n;
    }
  });
}

void FlushAndCloseTempFile(TempFile& temp, const std::string& path, SaveErrors errors) {
  if (!FlushFileBuffers(temp.handle)) ThrowStream(path, errors);
  CloseHandle(temp.handle);
  temp.handle = INVALID_HANDLE_VALUE;
}

// The rename, written through to the disk before it returns.
void ReplaceTarget(TempFile& temp, const std::string& path, SaveErrors errors) {
  if (!MoveFileExA(temp.name.c_str(), path.c_str(),
                   MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
    ThrowCreate(path, GetLastError(), errors);
  temp.keep = true;
}

}  // namespace

std::string LastErrorText() {
  return SystemText(GetLastError());
}

std::string ReadWholeFile(const std::string& path) {
  HANDLE h = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE)
    throw AppError(CannotOpenFileText(path, SystemText(GetLastError())));
  // A device (CON waits for console input for ever) or a pipe is no file to be read whole.
  if (GetFileType(h) != FILE_TYPE_DISK) {
    CloseHandle(h);
    throw AppError(CannotOpenFileText(path, "Not a regular file"));
  }
  std::string data;
  LARGE_INTEGER size{};
  if (GetFileSizeEx(h, &size) && size.QuadPart > 0)
    data.reserve(static_cast<size_t>(size.QuadPart));
  char buffer[1 << 16];
  for (;;) {
    DWORD n = 0;
    if (!ReadFile(h, buffer, sizeof buffer, &n, nullptr)) {
      const DWORD code = GetLastError();
      CloseHandle(h);
      throw AppError(CannotOpenFileText(path, SystemText(code)));
    }
    if (n == 0) break;
    data.append(buffer, n);
  }
  CloseHandle(h);
  return data;
}

bool IsRegularFile(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

void WriteFileAtomically(const std::string& path, std::string_view data, SaveErrors errors) {
  WriteFileAtomically(
      path, [data](const ByteSink& sink) { sink(data); }, errors);
}

void WriteFileAtomically(const std::string& path,
                         const std::function<void(const ByteSink&)>& produce, SaveErrors errors) {
  CheckReplaceable(path, errors);
  TempFile temp;
  CreateTempFile(temp, path, errors);
  WriteTempFile(temp, produce, path, errors);
  FlushAndCloseTempFile(temp, path, errors);
  ReplaceTarget(temp, path, errors);
}

}  // namespace platform
