#pragma once
#include <string>
#include <vector>

namespace host {

// What a file dialog is asked for. `filter` is "Description|*.a;*.b|Description 2|*.*".
struct FileDialogRequest {
  std::string title;  // empty: the system's default title
  std::string filter;
  std::string defaultExt;  // appended to a name typed without extension
  std::string fileName;    // the name the dialog opens with
  bool save = false;
  bool multiSelect = false;
  // Where programs carry no extension (Linux), "All files" is offered after the filter.
  bool offerAllFiles = false;
};

// The system's open and save dialogs.
class FileDialogs {
 public:
  virtual ~FileDialogs() = default;
  // The chosen files as native full paths, in the dialog's order; empty when cancelled.
  virtual std::vector<std::string> Choose(const FileDialogRequest& request) = 0;
};

}  // namespace host
