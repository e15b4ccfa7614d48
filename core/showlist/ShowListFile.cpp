#include "core/showlist/ShowListFile.h"

#include <cstring>

#include "base/AppError.h"
#include "platform/FileSystem.h"
#include "platform/FileTypes.h"

ShowListContent ParseShowListContent(std::string_view bytes) {
  ShowListContent content;
  // A NUL byte ends the data: what stands before it is cut into lines as usual.
  if (const void* nul = std::memchr(bytes.data(), '\0', bytes.size())) {
    const auto offset = static_cast<size_t>(static_cast<const char*>(nul) - bytes.data());
    content.cut = ListCut{0, 0, offset, bytes.size() - offset};
    bytes = bytes.substr(0, offset);
  }
  std::vector<std::string>& items = content.items;
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
  if (content.cut) {
    // A NUL inside a line leaves that line's start as the last item; after a line break it
    // stands in the next line.
    const bool midLine = !bytes.empty() && bytes.back() != '\r' && bytes.back() != '\n';
    content.cut->line = items.size() + (midLine ? 0 : 1);
    content.cut->items = items.size();
  }
  return content;
}

std::vector<std::string> ParseShowList(std::string_view bytes) {
  return ParseShowListContent(bytes).items;
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

namespace {

// Keeps `bytes` in the first of `<file>.nul-cut`, `<file>.nul-cut.2`, ... that is free or
// already holds them; returns its name.
std::string KeepWholeFile(const std::string& file, const std::string& bytes) {
  for (int number = 1;; ++number) {
    const std::string copy = file + ".nul-cut" + (number > 1 ? "." + std::to_string(number) : "");
    const platform::PathState state = platform::StateOfPath(copy);
    if (state.kind == platform::PathKind::Missing) {
      platform::WriteFileAtomically(copy, bytes);
      return copy;
    }
    if (state.kind != platform::PathKind::File) continue;
    try {
      if (platform::ReadWholeFile(copy) == bytes) return copy;
    } catch (const AppError&) {
      // An unreadable copy is someone else's: it is left alone and the next name tried.
    }
  }
}

}  // namespace

LoadedShowList LoadShowListKeepingCut(const std::string& file) {
  const std::string bytes = platform::ReadWholeFile(file);
  ShowListContent content = ParseShowListContent(bytes);
  LoadedShowList loaded{std::move(content.items), content.cut, {}, {}};
  if (loaded.cut) {
    try {
      loaded.keptIn = KeepWholeFile(file, bytes);
    } catch (const AppError& error) {
      loaded.keepError = error.what();
    }
  }
  return loaded;
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
