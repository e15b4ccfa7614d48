#pragma once
#include <string>

#include "core/Services.h"
#include "core/showlist/ShowList.h"

// Loading and saving the show list as the operator and the program start see it: each load and
// save is journalled, and a list that a NUL byte cut short is kept whole and reported.

// Replaces `list` by the items of `file`. Throws "Cannot open file ..." and leaves the list as it
// was when the file cannot be read.
void LoadListFile(const std::string& file, ShowList& list, const Services& services);
// Writes `list` to `file`. Throws "Cannot create file ..." or "Stream write error"; the old file
// then stays as it was and nothing is journalled.
void SaveListFile(const std::string& file, const ShowList& list, const Services& services);
// The list of the last run, beside the program: loaded when it exists as a file; otherwise the
// list stays as it is.
void LoadAutomaticList(ShowList& list, const Services& services);
// Writes the list beside the program, read at the next start.
void SaveAutomaticList(const ShowList& list, const Services& services);
