#pragma once
#include <string>
#include <string_view>
#include <vector>

// The items of list file content: lines end at CR, LF, CR LF or LF CR (the last giving an empty
// item); a NUL byte ends the list. Bytes are kept as they are.
std::vector<std::string> ParseShowList(std::string_view bytes);
// List file content: every item followed by CR LF; an empty list gives no bytes.
std::string FormatShowList(const std::vector<std::string>& items);

// The items of the list file `file`. Throws "Cannot open file ..." when it cannot be read.
std::vector<std::string> LoadShowList(const std::string& file);
// Replaces `file` by the list atomically. Throws "Cannot create file ..." or
// "Stream write error"; the old file then stays as it was.
void SaveShowList(const std::string& file, const std::vector<std::string>& items);
