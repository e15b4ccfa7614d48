// Prints what the Linux launch-script reader makes of a .bat or .vbs file, one JSON object:
//   {"commands": [{"args": [...], "wait": true}, ...]} or {"error": "..."}
// Bytes are printed as the characters with their numbers (byte E9 as \u00e9), so the caller
// decodes them with whatever code page the script was written in.
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

#include "base/AppError.h"
#include "core/players/LaunchScriptReader.h"

namespace {
std::string Json(const std::string& bytes) {
  std::string out = "\"";
  for (const unsigned char c : bytes) {
    if (c >= 0x20 && c < 0x7f && c != '"' && c != '\\') {
      out += static_cast<char>(c);
    } else {
      char code[8];
      std::snprintf(code, sizeof code, "\\u%04x", c);
      out += code;
    }
  }
  return out + "\"";
}
}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s <script>\n", argv[0]);
    return 2;
  }
  const std::string path = argv[1];
  std::ifstream in(path, std::ios::binary);
  const std::string content((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  const bool vbs = path.size() > 4 && (path.substr(path.size() - 4) == ".vbs");
  try {
    // Variables come from this process's environment, as the presenter's reader takes them.
    const VariableLookup lookup = [](const std::string& name) {
      const char* value = std::getenv(name.c_str());
      return value ? std::optional<std::string>(value) : std::nullopt;
    };
    const auto commands =
        vbs ? ParseVbsScript(content, path) : ParseBatScript(content, path, lookup);
    std::string out = "{\"commands\": [";
    for (size_t i = 0; i < commands.size(); ++i) {
      out += i ? ", {\"args\": [" : "{\"args\": [";
      for (size_t a = 0; a < commands[i].args.size(); ++a)
        out += (a ? ", " : "") + Json(commands[i].args[a]);
      out += std::string("], \"wait\": ") + (commands[i].wait ? "true" : "false") + "}";
    }
    std::printf("%s]}\n", out.c_str());
  } catch (const AppError& error) {
    std::printf("{\"error\": %s}\n", Json(error.what()).c_str());
  }
  return 0;
}
