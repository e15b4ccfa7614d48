#include "core/show/ListCutNotice.h"

#include "base/ErrorReport.h"
#include "core/show/ShowJournal.h"

std::string ListCutMessage(const std::string& file, const LoadedShowList& loaded) {
  if (!loaded.cut) return {};
  const ListCut& cut = *loaded.cut;
  std::string text = "The list file \"" + file + "\" holds a NUL byte in line " +
                     std::to_string(cut.line) + ": only the " + std::to_string(cut.items) +
                     " items before it were read, and the rest of the file (" +
                     std::to_string(cut.unread) + " bytes) is not in the show list.";
  if (!loaded.keptIn.empty())
    text += " The whole file is kept in \"" + loaded.keptIn + "\".";
  else
    text += " No copy of the whole file could be kept (" + loaded.keepError +
            "): saving the list over it would lose the rest.";
  return text;
}

void ReportListCut(const Services& services, const std::string& file,
                   const LoadedShowList& loaded) {
  if (!loaded.cut) return;
  if (services.journal)
    services.journal->ListCutShort(file, loaded.cut->line, loaded.cut->items, loaded.keptIn);
  if (services.messages)
    services.messages->ShowWarning(ErrorReportTitle(services.exePath),
                                   ListCutMessage(file, loaded));
}
