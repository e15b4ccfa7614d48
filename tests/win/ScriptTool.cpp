// Launch scripts as the program writes and starts them, for tests under Wine:
//   quadrel_script_tool.exe bat|vbs <player location> <video full path>...
//     writes the scripts with the program's own writer, as the Bino settings window does, and
//     prints one line per video: "ok" or the writer's message. The names arrive in the ANSI code
//     page, as the program has them from its file dialog.
//   quadrel_script_tool.exe --open <script>...
//     opens each as the show window opens an item (the system's shell, in the script's folder)
//     and waits until what it started has ended; the stand-in player logs to <script>.log.
//   quadrel_script_tool.exe --code-pages     prints the ANSI and the console code page
#include <windows.h>

#include <cstdio>
#include <string>

#include "base/AppError.h"
#include "core/players/BinoCommandLine.h"
#include "core/players/WriteLaunchScripts.h"
#include "platform/Shell.h"

int main(int argc, char** argv) {
  if (argc == 2 && std::string(argv[1]) == "--code-pages") {
    std::printf("%u %u\n", GetACP(), GetOEMCP());
    return 0;
  }
  if (argc >= 3 && std::string(argv[1]) == "--open") {
    // One process for the whole table: a Wine start costs seconds on a loaded machine.
    for (int i = 2; i < argc; ++i) {
      const std::string script = argv[i];
      SetEnvironmentVariableA("QUADREL_PLAYER_LOG", (script + ".log").c_str());
      const platform::OpenResult opened =
          platform::MakeSystemShell()->Open(script, script.substr(0, script.find_last_of('\\')));
      if (opened.process) opened.process->WaitFor(-1);
      std::printf("%s\n", opened.process ? "started" : "nothing started");
    }
    return 0;
  }
  if (argc < 4) {
    std::fprintf(stderr, "usage: %s bat|vbs <player> <video>...\n", argv[0]);
    return 2;
  }
  BinoOptions options;
  options.location = argv[2];
  LaunchScriptRun run;
  run.scriptKind = std::string(argv[1]) == "bat" ? 0 : 1;
  run.exePath = argv[0];
  run.buildCommandLine = [&](const std::string& left, const std::string& right,
                             const std::string& quote) {
    return BuildBinoCommandLine(options, left, right, quote);
  };
  for (int i = 3; i < argc; ++i) {
    try {
      WriteChosenLaunchScripts(run, {argv[i]}, {});
      std::printf("ok\n");
    } catch (const AppError& error) {
      std::printf("%s\n", error.what());
    }
  }
  return 0;
}
