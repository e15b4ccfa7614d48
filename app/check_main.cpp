// quadrel-check: looks at a show list before the show and reports every item that would not
// play, resolving items exactly as the presenter beside it starts them.
#include <cstdio>
#include <exception>
#include <optional>
#include <string>
#include <vector>

#include "base/AppError.h"
#include "base/PathParts.h"
#include "core/check/ShowCheck.h"
#include "core/check/ShowCheckReport.h"
#include "core/show/JournalSummary.h"
#include "core/show/ResumeOffer.h"
#include "core/showlist/ShowListFile.h"
#include "platform/ExePath.h"
#include "platform/FileSystem.h"
#include "platform/PathStyle.h"

namespace {

constexpr int kNothingFails = 0;
constexpr int kSomethingFails = 1;
constexpr int kCannotCheck = 2;

const char* const kUsage =
    "Usage: quadrel-check [--json] [LIST]\n"
    "       quadrel-check --journal [JOURNAL]\n"
    "Checks a show list before the show: every item is resolved as quadrel would start it,\n"
    "and each problem is reported on a line of its own as <position>: <item>: <what>.\n"
    "\n"
    "  LIST     the list file to check; default: the automatic list file (quadrel.LST)\n"
    "           of the quadrel beside this program. Items are relative to quadrel's folder.\n"
    "  --json   print the report as one JSON object\n"
    "  --journal  summarise the last show in the show journal (default: quadrel.log\n"
    "           beside quadrel, with quadrel.log.1 read first): items played, failures,\n"
    "           total time\n"
    "  --help   print this text\n"
    "\n"
    "Exit status: 0 when nothing would fail (notes such as repeated items allowed),\n"
    "1 when an item would fail, 2 when the list cannot be read or the command line is wrong.\n"
    "With --journal: 1 when an item of the last show failed, 2 when there is no journal.\n";

void Print(std::FILE* stream, const std::string& text) {
  std::fwrite(text.data(), 1, text.size(), stream);
  std::fflush(stream);
}

int UsageError(const std::string& problem) {
  Print(stderr, "quadrel-check: " + problem + "\n\n" + kUsage);
  return kCannotCheck;
}

// The presenter beside this program: "quadrel" with this program's own extension.
std::string PresenterPath(const std::string& selfPath) {
  const char* separators =
      platform::NativePathRules() == platform::PathRules::Windows ? "\\/:" : "/";
  const auto cut = selfPath.find_last_of(separators);
  const std::string folder = cut == std::string::npos ? std::string() : selfPath.substr(0, cut + 1);
  const std::string name = selfPath.substr(folder.size());
  const auto dot = name.find_last_of('.');
  return folder + "quadrel" + (dot == std::string::npos ? std::string() : name.substr(dot));
}

// The journal and the file it rolled over into, older first, as one text. Exit status 2 when
// neither can be read.
int SummariseJournal(const std::string& journal) {
  std::optional<std::string> text;
  try {
    text = ReadJournalText(journal);
  } catch (const AppError& error) {
    Print(stderr, "quadrel-check: " + std::string(error.what()) + "\n");
    return kCannotCheck;
  }
  if (!text) {
    Print(stderr, "quadrel-check: there is no show journal " + journal + "\n");
    return kCannotCheck;
  }
  const JournalSummary summary = SummariseLastShow(*text);
  Print(stdout, FormatJournalSummary(summary, journal));
  return summary.failures.empty() ? kNothingFails : kSomethingFails;
}

int Run(int argc, char** argv) {
  bool json = false;
  bool journal = false;
  bool optionsEnded = false;
  std::vector<std::string> files;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (!optionsEnded && arg == "--") {
      optionsEnded = true;
    } else if (!optionsEnded && (arg == "--help" || arg == "-h")) {
      Print(stdout, kUsage);
      return kNothingFails;
    } else if (!optionsEnded && arg == "--json") {
      json = true;
    } else if (!optionsEnded && arg == "--journal") {
      journal = true;
    } else if (!optionsEnded && arg.size() > 1 && arg[0] == '-') {
      return UsageError("unknown option \"" + arg + "\"");
    } else {
      files.push_back(arg);
    }
  }
  if (files.size() > 1) return UsageError("give at most one list file");
  if (journal && json) return UsageError("--journal has no JSON form");

  const std::string self = platform::ExecutablePath();
  if (self.empty()) {
    Print(stderr, "quadrel-check: the program's own folder cannot be found\n");
    return kCannotCheck;
  }
  const std::string presenter = PresenterPath(self);
  if (journal)
    return SummariseJournal(files.empty() ? ProgramFileName(presenter, ".log") : files[0]);
  const std::string listFile = files.empty() ? ProgramFileName(presenter, ".LST") : files[0];

  ShowListContent list;
  try {
    list = ParseShowListContent(platform::ReadWholeFile(listFile));
  } catch (const AppError& error) {
    if (json)
      Print(stdout, FormatCheckJsonError(listFile, error.what()));
    else
      Print(stderr, "quadrel-check: " + std::string(error.what()) + "\n");
    return kCannotCheck;
  }

  const std::vector<std::string>& items = list.items;
  auto findings = CheckShowList(presenter, items, NativeCheckSystem());
  if (list.cut) findings.push_back(ListCutFinding(*list.cut, items));
  Print(stdout, json ? FormatCheckJson(findings, items.size(), listFile)
                     : FormatCheckText(findings, items.size(), listFile));
  return HasErrors(findings) ? kSomethingFails : kNothingFails;
}

}  // namespace

int main(int argc, char** argv) {
  try {
    return Run(argc, argv);
  } catch (const std::exception& error) {
    Print(stderr, std::string("quadrel-check: ") + error.what() + "\n");
    return kCannotCheck;
  }
}
