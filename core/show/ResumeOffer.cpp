#include "core/show/ResumeOffer.h"

#include "platform/FileSystem.h"

std::optional<std::string> ReadJournalText(const std::string& journalPath) {
  std::optional<std::string> text;
  for (const std::string& file : {journalPath + ".1", journalPath}) {
    if (!platform::IsRegularFile(file)) continue;
    if (!text) text.emplace();
    *text += platform::ReadWholeFile(file);
  }
  return text;
}

std::optional<ResumePoint> FindResumePoint(const JournalSummary& lastShow, const ShowList& list) {
  if (!lastShow.found || lastShow.closed || lastShow.lastStartedPosition < 1) return std::nullopt;
  const std::string& item = lastShow.lastStartedItem;
  int index = lastShow.lastStartedPosition - 1;
  if (index >= list.Count() || list.Item(index) != item) {
    index = -1;
    for (int i = 0; i < list.Count(); ++i) {
      if (list.Item(i) == item) {
        index = i;
        break;
      }
    }
  }
  if (index < 0 || index + 1 >= list.Count()) return std::nullopt;
  return ResumePoint{index, item, index + 1};
}

std::string ResumeQuestion(const ResumePoint& point, const ShowList& list) {
  return "The last show did not end with the program's close. The last item started was " +
         std::to_string(point.lastStarted + 1) + ": " + point.item + "\n\nContinue with item " +
         std::to_string(point.continueAt + 1) + ": " + list.Item(point.continueAt) +
         "?\n\nNo starts at the first item.";
}
