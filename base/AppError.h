#pragma once
#include <stdexcept>
#include <string>

// An error raised by the program's own operations; its text is shown to the operator as it
// stands by the standard error report, which ends the handler and lets the program go on.
class AppError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The message texts operators see; each names the file or value concerned.
std::string CannotOpenFileText(const std::string& file, const std::string& reason);
std::string CannotCreateFileText(const std::string& file, const std::string& reason);
std::string StreamWriteErrorText();
std::string UnableToWriteText(const std::string& file);
std::string InvalidFloatText(const std::string& text);
std::string ListIndexOutOfBoundsText(long long index);
// A second copy started on the files of `exePath` while the first still runs.
std::string AlreadyRunningText(const std::string& exePath);
