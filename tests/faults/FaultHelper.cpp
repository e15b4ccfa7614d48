// A small program that saves list files and profiles the way the presenter does, for the fault
// tests to run under a file size limit, to kill at random moments, or to run as another user.
//
// It reads one operation per line from standard input, fields separated by tabs:
//   list    <target> <source>   save the list held by the list file <source> to <target>
//   profile <target> <count>    write <count> keys into section "Faults" of <target> and flush
// Before an operation it prints "start <n>", after it "ok <n>" or "error <n> <message>", each
// line flushed at once, and it goes on with the next operation after an error, as the presenter
// goes on after a failed save. At the end of the input it exits with 0.
#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#include "base/AppError.h"
#include "core/settings/ProfileFile.h"
#include "core/showlist/ShowListFile.h"
#include "platform/Process.h"

namespace {

std::vector<std::string> SplitTabs(const std::string& line) {
  std::vector<std::string> fields;
  size_t start = 0;
  for (;;) {
    const auto tab = line.find('\t', start);
    fields.push_back(line.substr(start, tab - start));
    if (tab == std::string::npos) return fields;
    start = tab + 1;
  }
}

void Run(const std::vector<std::string>& fields) {
  if (fields.size() == 3 && fields[0] == "list") {
    SaveShowList(fields[1], LoadShowList(fields[2]));
  } else if (fields.size() == 3 && fields[0] == "profile") {
    ProfileFile profile(fields[1]);
    const int count = std::stoi(fields[2]);
    for (int i = 0; i < count; ++i) {
      // Values long enough that a few hundred keys make a file of some size.
      profile.WriteString("Faults", "Key" + std::to_string(i),
                          "value " + std::to_string(i) + std::string(200, 'v'));
    }
    profile.Flush();
  } else {
    throw AppError("unknown operation");
  }
}

}  // namespace

int main() {
  platform::PrepareProcess();
  std::string line;
  for (int n = 1; std::getline(std::cin, line); ++n) {
    std::printf("start %d\n", n);
    std::fflush(stdout);
    try {
      Run(SplitTabs(line));
      std::printf("ok %d\n", n);
    } catch (const AppError& e) {
      std::printf("error %d %s\n", n, e.what());
    }
    std::fflush(stdout);
  }
  return 0;
}
