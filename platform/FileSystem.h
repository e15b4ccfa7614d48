#pragma once
#include <string>
#include <string_view>

namespace platform {

// The whole content of `path`. Throws AppError "Cannot open file ..." when it cannot be read;
// a folder cannot be read as a file.
std::string ReadWholeFile(const std::string& path);

// True when `path` names an existing file that is not a folder.
bool IsRegularFile(const std::string& path);

// Which message a failed save raises: list files and scripts name the create and stream errors,
// the profile files report every failure as "Unable to write to ...".
enum class SaveErrors { CreateAndStream, UnableToWrite };

// Replaces `path` by `data` as one atomic step: a temporary file in the same folder is written,
// flushed and renamed over the target. On any failure the target keeps its old content and no
// temporary file is left behind.
void WriteFileAtomically(const std::string& path, std::string_view data,
                         SaveErrors errors = SaveErrors::CreateAndStream);

// The system's text for the last error of the calling thread, without a trailing full stop.
std::string LastErrorText();

}  // namespace platform
