#pragma once
#include <optional>
#include <string>

#include "core/show/JournalSummary.h"
#include "core/showlist/ShowList.h"

// The journal and the file it rolled over into, older first, as one text; none when neither
// exists. Throws AppError when one exists but cannot be read.
std::optional<std::string> ReadJournalText(const std::string& journalPath);

// Where the show may go on after a run that did not end with the program's own close.
struct ResumePoint {
  int lastStarted = 0;  // index of the last item started
  std::string item;     // its text
  int continueAt = 0;   // index of the item to go on with
};

// None when the last show closed cleanly, started nothing, or nothing follows its last item in
// `list`. The item is looked for where the journal saw it, and else first by its text, so that
// a list edited since still continues after the same item; an item no longer listed offers
// nothing.
std::optional<ResumePoint> FindResumePoint(const JournalSummary& lastShow, const ShowList& list);

// The one question: go on after the item named, or start at the first.
std::string ResumeQuestion(const ResumePoint& point, const ShowList& list);
