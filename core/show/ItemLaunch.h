#pragma once
#include <string>

#include "platform/PathStyle.h"

// What the shell is given to start a show item.
struct ItemLaunch {
  std::string file;    // the item's file
  std::string folder;  // its working folder: the item's own folder as an absolute path
};

// The launch of `item` (a show item path, '\' separated) for the program `exePath` (also in item
// form): a relative item is joined to the program's folder, a full path starts as it stands.
// Nothing is cut: paths of any length are handed over whole.
ItemLaunch ComposeItemLaunch(const std::string& exePath, const std::string& item,
                             platform::PathRules rules);

// The same for this system: `exePath` native, the result in native paths.
ItemLaunch NativeItemLaunch(const std::string& exePath, const std::string& item);
