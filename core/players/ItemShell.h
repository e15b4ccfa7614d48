#pragma once
#include <string>

#include "platform/FileTypes.h"
#include "platform/Shell.h"

// How a show item's file starts: a .bat or .vbs by the built-in launch-script runner where the
// system has no script host, everything else as the system's shell decides. The show check
// asks here too, so it finds exactly what the presenter would refuse.
platform::FileOpening HowItemOpens(const std::string& file);

// The shell the show plays items with: launch scripts as HowItemOpens says, everything else
// (and a script that is missing or a folder, which the system's shell reports) by `system`.
class ItemShell : public platform::Shell {
 public:
  explicit ItemShell(platform::Shell& system) : system_(system) {}
  platform::OpenResult Open(const std::string& file, const std::string& folder) override;

 private:
  platform::Shell& system_;
};
