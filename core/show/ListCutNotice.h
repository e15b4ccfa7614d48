#pragma once
#include <string>

#include "core/Services.h"
#include "core/showlist/ShowListFile.h"

// What the operator is told when a NUL byte cut a loaded list file short: where, how many items
// were read, and where the whole file is kept. The items themselves may have been moved out.
std::string ListCutMessage(const std::string& file, const LoadedShowList& loaded);

// Journals a cut list file and warns the operator; does nothing for a list read whole.
void ReportListCut(const Services& services, const std::string& file, const LoadedShowList& loaded);
