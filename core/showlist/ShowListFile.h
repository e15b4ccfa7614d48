#pragma once
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Where a NUL byte ended a list file early: nothing from the NUL on is in the list.
struct ListCut {
  std::size_t line = 0;    // the line the NUL stands in, counted from 1
  std::size_t items = 0;   // the items read before it
  std::size_t offset = 0;  // the NUL's byte offset in the file
  std::size_t unread = 0;  // bytes from the NUL to the end of the file
};

struct ShowListContent {
  std::vector<std::string> items;
  std::optional<ListCut> cut;  // set when a NUL byte ended the list
};

// The items of list file content: lines end at CR, LF, CR LF or LF CR (the last giving an empty
// item); a NUL byte ends the list, and `cut` then says where. Bytes are kept as they are.
ShowListContent ParseShowListContent(std::string_view bytes);
// The items alone.
std::vector<std::string> ParseShowList(std::string_view bytes);
// List file content: every item followed by CR LF; an empty list gives no bytes.
std::string FormatShowList(const std::vector<std::string>& items);

// The items of the list file `file`. Throws "Cannot open file ..." when it cannot be read.
std::vector<std::string> LoadShowList(const std::string& file);
// A list file as loaded for the show: the items, and when a NUL byte cut the list short, the
// file's whole content is first kept in a copy beside it (`keptIn`), so that saving the list over
// the file later loses nothing. An earlier copy is never replaced: a copy with other content
// gets the next free number (`.nul-cut.2`, ...). When no copy can be written, `keepError` says
// why and the list is loaded all the same. Throws "Cannot open file ..." like LoadShowList.
struct LoadedShowList {
  std::vector<std::string> items;
  std::optional<ListCut> cut;
  std::string keptIn;
  std::string keepError;
};
LoadedShowList LoadShowListKeepingCut(const std::string& file);

// Replaces `file` by the list atomically. Throws "Cannot create file ..." or
// "Stream write error"; the old file then stays as it was.
void SaveShowList(const std::string& file, const std::vector<std::string>& items);
