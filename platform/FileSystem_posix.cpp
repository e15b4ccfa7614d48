#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <cstring>

#include <string>

#include "base/AppError.h"
#include "platform/FileSystem.h"

namespace platform {
namespace {

constexpr const char* kNotRegularText = "Not a regular file";
// Links followed before a save gives up, as the system's own limit for a path.
constexpr int kMaxLinks = 40;

std::string ErrnoText(int code) {
  return std::strerror(code);
}

std::string FolderOf(const std::string& path) {
  const auto slash = path.find_last_of('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

[[noreturn]] void ThrowCreate(const std::string& path, const std::string& reason,
                              SaveErrors errors) {
  if (errors == SaveErrors::UnableToWrite) throw AppError(UnableToWriteText(path));
  throw AppError(CannotCreateFileText(path, reason));
}

[[noreturn]] void ThrowCreate(const std::string& path, int code, SaveErrors errors) {
  ThrowCreate(path, ErrnoText(code), errors);
}

// The file a save of `path` replaces: a symbolic link is followed to its target (which need
// not exist yet), so the link stays a link and the file it names gets the new content.
std::string SaveTarget(const std::string& path, SaveErrors errors) {
  std::string current = path;
  for (int links = 0;; ++links) {
    struct stat st {};
    if (::lstat(current.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return current;
    if (links == kMaxLinks) ThrowCreate(path, ELOOP, errors);
    std::string target(static_cast<size_t>(st.st_size > 0 ? st.st_size : 4096) + 1, '\0');
    const ssize_t n = ::readlink(current.c_str(), target.data(), target.size());
    if (n < 0) ThrowCreate(path, errno, errors);
    target.resize(static_cast<size_t>(n));
    current = target.front() == '/' ? target : FolderOf(current) + "/" + target;
  }
}

[[noreturn]] void ThrowStream(const std::string& path, SaveErrors errors) {
  if (errors == SaveErrors::UnableToWrite) throw AppError(UnableToWriteText(path));
  throw AppError(StreamWriteErrorText());
}

// Closes and removes the temporary file unless the save went through.
struct TempFile {
  int fd = -1;
  std::string name;
  bool unnamed = false;
  bool keep = false;
  ~TempFile() {
    if (fd >= 0) ::close(fd);
    if (!keep && !name.empty()) ::unlink(name.c_str());
  }
};

// Refuses a target that cannot be replaced: a folder, a FIFO, device or socket (no file to be
// replaced by one), or a file this user may not write. Returns the permission bits the new file
// keeps: the old file's, or for a new file what the umask leaves of 0666.
mode_t CheckReplaceable(const std::string& path, const std::string& shownPath, SaveErrors errors) {
  struct stat target {};
  if (::stat(path.c_str(), &target) != 0) {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
  }
  if (S_ISDIR(target.st_mode)) ThrowCreate(shownPath, EISDIR, errors);
  if (!S_ISREG(target.st_mode)) ThrowCreate(shownPath, kNotRegularText, errors);
  if (::access(path.c_str(), W_OK) != 0) ThrowCreate(shownPath, errno, errors);
  return target.st_mode & 07777;
}

// An unnamed file in `folder` where the system offers one: a process killed while writing
// leaves nothing behind. It gets a name only once it is complete (NameTempFile).
void CreateTempFile(TempFile& temp, const std::string& folder, mode_t mode,
                    const std::string& shownPath, SaveErrors errors) {
  temp.fd = ::open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, mode);
  temp.unnamed = temp.fd >= 0;
  if (!temp.unnamed) {
    temp.name = folder + "/.quadrel-save-XXXXXX";
    temp.fd = ::mkostemp(temp.name.data(), O_CLOEXEC);
    if (temp.fd < 0) {
      const int code = errno;
      temp.name.clear();
      ThrowCreate(shownPath, code, errors);
    }
  }
  ::fchmod(temp.fd, mode);
}

// Writes every piece `produce` hands over; a short write is a stream error.
void WriteTempFile(const TempFile& temp, const std::function<void(const ByteSink&)>& produce,
                   const std::string& shownPath, SaveErrors errors) {
  off_t written = 0;
  produce([&](std::string_view data) {
    size_t done = 0;
    while (done < data.size()) {
      const ssize_t n = ::write(temp.fd, data.data() + done, data.size() - done);
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) ThrowStream(shownPath, errors);
      done += static_cast<size_t>(n);
    }
    // Start writing this piece to the disk now, while the next one is prepared, so the flush
    // waits only for the last of them. Only a hint: the flush still decides.
#ifdef SYNC_FILE_RANGE_WRITE
    ::sync_file_range(temp.fd, written, static_cast<off_t>(data.size()), SYNC_FILE_RANGE_WRITE);
#endif
    written += static_cast<off_t>(data.size());
  });
}

void FlushTempFile(const TempFile& temp, const std::string& shownPath, SaveErrors errors) {
  if (::fsync(temp.fd) != 0) ThrowStream(shownPath, errors);
}

// Gives the complete unnamed file a name in `folder`, for the rename.
void NameTempFile(TempFile& temp, const std::string& folder, const std::string& shownPath,
                  SaveErrors errors) {
  if (!temp.unnamed) return;
  const std::string self = "/proc/self/fd/" + std::to_string(temp.fd);
  for (int attempt = 0; temp.name.empty() && attempt < 100; ++attempt) {
    std::string name =
        folder + "/.quadrel-save-" + std::to_string(::getpid()) + "-" + std::to_string(attempt);
    if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0)
      temp.name = std::move(name);
    else if (errno != EEXIST)
      ThrowCreate(shownPath, errno, errors);
  }
  if (temp.name.empty()) ThrowCreate(shownPath, EEXIST, errors);
}

void CloseTempFile(TempFile& temp, const std::string& shownPath, SaveErrors errors) {
  const int fd = temp.fd;
  temp.fd = -1;
  if (::close(fd) != 0) ThrowStream(shownPath, errors);
}

void ReplaceTarget(TempFile& temp, const std::string& path, const std::string& shownPath,
                   SaveErrors errors) {
  if (::rename(temp.name.c_str(), path.c_str()) != 0) ThrowCreate(shownPath, errno, errors);
  temp.keep = true;
}

// Makes the rename itself durable, so a power cut cannot bring the old name back empty.
void SyncFolder(const std::string& folder) {
  const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dir >= 0) {
    ::fsync(dir);
    ::close(dir);
  }
}

}  // namespace

std::string LastErrorText() {
  return ErrnoText(errno);
}

std::string ReadWholeFile(const std::string& path) {
  // Not blocking: opening a FIFO without a writer would otherwise wait for ever.
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) throw AppError(CannotOpenFileText(path, ErrnoText(errno)));
  struct stat st {};
  if (::fstat(fd, &st) != 0) {
    const int code = errno;
    ::close(fd);
    throw AppError(CannotOpenFileText(path, ErrnoText(code)));
  }
  if (!S_ISREG(st.st_mode)) {
    ::close(fd);
    // A FIFO, device or socket never ends or never starts: refused like a file that cannot open.
    throw AppError(
        CannotOpenFileText(path, S_ISDIR(st.st_mode) ? ErrnoText(EISDIR) : kNotRegularText));
  }
  ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
  std::string data;
  if (st.st_size > 0) data.reserve(static_cast<size_t>(st.st_size));
  char buffer[1 << 16];
  for (;;) {
    const ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n == 0) break;
    if (n < 0) {
      if (errno == EINTR) continue;
      const int code = errno;
      ::close(fd);
      throw AppError(CannotOpenFileText(path, ErrnoText(code)));
    }
    data.append(buffer, static_cast<size_t>(n));
  }
  ::close(fd);
  return data;
}

bool IsRegularFile(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 && !S_ISDIR(st.st_mode);
}

void WriteFileAtomically(const std::string& path, std::string_view data, SaveErrors errors) {
  WriteFileAtomically(
      path, [data](const ByteSink& sink) { sink(data); }, errors);
}

void WriteFileAtomically(const std::string& shownPath,
                         const std::function<void(const ByteSink&)>& produce, SaveErrors errors) {
  // Messages name the file as the caller knows it; the work happens at the link's target.
  const std::string path = SaveTarget(shownPath, errors);
  const std::string folder = FolderOf(path);
  const mode_t mode = CheckReplaceable(path, shownPath, errors);
  TempFile temp;
  CreateTempFile(temp, folder, mode, shownPath, errors);
  WriteTempFile(temp, produce, shownPath, errors);
  FlushTempFile(temp, shownPath, errors);
  NameTempFile(temp, folder, shownPath, errors);
  CloseTempFile(temp, shownPath, errors);
  ReplaceTarget(temp, path, shownPath, errors);
  SyncFolder(folder);
}

}  // namespace platform
