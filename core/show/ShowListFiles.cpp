#include "core/show/ShowListFiles.h"

#include <utility>

#include "base/PathParts.h"
#include "core/show/ListCutNotice.h"
#include "core/show/ShowJournal.h"
#include "core/showlist/ShowListFile.h"
#include "platform/FileSystem.h"

void LoadListFile(const std::string& file, ShowList& list, const Services& services) {
  LoadedShowList loaded = LoadShowListKeepingCut(file);
  list.Assign(std::move(loaded.items));
  if (services.journal) services.journal->ListLoaded(file, list.Count());
  ReportListCut(services, file, loaded);
}

void SaveListFile(const std::string& file, const ShowList& list, const Services& services) {
  SaveShowList(file, list.Items());
  if (services.journal) services.journal->ListSaved(file, list.Count());
}

void LoadAutomaticList(ShowList& list, const Services& services) {
  const std::string file = ProgramFileName(services.exePath, ".LST");
  if (!platform::IsRegularFile(file)) return;
  LoadListFile(file, list, services);
}

void SaveAutomaticList(const ShowList& list, const Services& services) {
  SaveListFile(ProgramFileName(services.exePath, ".LST"), list, services);
}
