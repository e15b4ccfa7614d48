#pragma once
#include <functional>
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

// Takes the bytes of a file being written, in order; called any number of times.
using ByteSink = std::function<void(std::string_view)>;
// The same, with the content handed to the sink piece by piece by `produce`, so a large file is
// never held in memory whole. An exception from `produce` abandons the save like a failed write.
void WriteFileAtomically(const std::string& path,
                         const std::function<void(const ByteSink&)>& produce,
                         SaveErrors errors = SaveErrors::CreateAndStream);

// The system's text for the last error of the calling thread, without a trailing full stop.
std::string LastErrorText();

}  // namespace platform
