#include "core/showlist/ShowListFile.h"

#include <cstring>

#include "platform/FileSystem.h"

std::vector<std::string> ParseShowList(std::string_view bytes) {
  // A NUL byte ends the data: what stands before it is cut into lines as usual.
  if (const void* nul = std::memchr(bytes.data(), '\0', bytes.size()))
    bytes = bytes.substr(0, static_cast<size_t>(static_cast<const char*>(nul) - bytes.data()));
  std::vector<std::string> items;
  const char* p = bytes.data();
  const char* const end = p + bytes.size();
  while (p < end) {
    const char* q = p;
    while (q < end && *q != '\r' && *q != '\n') ++q;
    items.emplace_back(p, q);
    if (q < end && *q == '\r') ++q;
    if (q < end && *q == '\n') ++q;
    p = q;
  }
  return items;
}

std::string FormatShowList(const std::vector<std::string>& items) {
  size_t total = 0;
  for (const auto& item : items) total += item.size() + 2;
  std::string out;
  out.reserve(total);
  for (const auto& item : items) {
    out += item;
    out += "\r\n";
  }
  return out;
}

std::vector<std::string> LoadShowList(const std::string& file) {
  return ParseShowList(platform::ReadWholeFile(file));
}

void SaveShowList(const std::string& file, const std::vector<std::string>& items) {
  // Written in pieces of about 256 KiB: a million-item list is never copied whole into one
  // 40 MB block, and each piece is still warm in the cache when it is written.
  constexpr size_t kPiece = 256 * 1024;
  platform::WriteFileAtomically(file, [&items](const platform::ByteSink& sink) {
    std::string piece;
    piece.reserve(kPiece + 4096);
    for (const auto& item : items) {
      piece += item;
      piece += "\r\n";
      if (piece.size() >= kPiece) {
        sink(piece);
        piece.clear();
      }
    }
    sink(piece);
  });
}
