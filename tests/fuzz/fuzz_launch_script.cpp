// Launch scripts for any option values and file names: the built-in runner reads back from the
// written .bat or .vbs script exactly the arguments the command line was built from, wherever
// the scripts' quoting can carry a value (a quoted value holds no quote and does not end with a
// backslash; a value written unquoted holds no blank and nothing the command interpreter
// treats specially; in a .bat script the player's location holds no '%', which is written as
// typed; the location is not empty).
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "FuzzCheck.h"
#include "core/players/BinoCommandLine.h"
#include "core/players/LaunchScript.h"
#include "core/players/LaunchScriptReader.h"
#include "core/players/SPlayerCommandLine.h"

namespace {

bool Has(std::string_view text, std::string_view bytes) {
  return text.find_first_of(bytes) != std::string_view::npos;
}

const std::string_view kLineBreaks("\r\n\0", 3);

// A value that stands between quote marks.
std::string QuotedValue(FuzzedDataProvider& input, ScriptKind kind, bool isLocation) {
  std::string value = input.ConsumeRandomLengthString(40);
  std::string clean;
  for (char c : value) {
    if (c == '"' || kLineBreaks.find(c) != std::string_view::npos) continue;
    if (isLocation && kind == ScriptKind::Bat && c == '%') continue;
    clean += c;
  }
  while (!clean.empty() && clean.back() == '\\') clean.pop_back();
  // A script must name a program to start.
  if (isLocation && clean.empty()) clean = "player";
  return clean;
}

// A value that stands unquoted, as the free-text option fields do.
std::string BareValue(FuzzedDataProvider& input, ScriptKind kind) {
  std::string value = input.ConsumeRandomLengthString(12);
  std::string clean;
  for (char c : value) {
    if (c == '"' || c == ' ' || c == '\t' || kLineBreaks.find(c) != std::string_view::npos)
      continue;
    if (kind == ScriptKind::Bat && Has(std::string_view(&c, 1), "%^&|<>")) continue;
    clean += c;
  }
  return clean;
}

// The words of an option text of the fixed tables.
void AddWords(std::vector<std::string>& args, std::string_view text) {
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find(' ', start);
    if (end == std::string_view::npos) end = text.size();
    if (end > start) args.emplace_back(text.substr(start, end - start));
    start = end + 1;
  }
}

std::vector<std::string> ReadBack(const std::string& script, ScriptKind kind) {
  const auto noVariables = [](const std::string&) -> std::optional<std::string> {
    return std::nullopt;
  };
  const auto commands = kind == ScriptKind::Bat ? ParseBatScript(script, "movie.bat", noVariables)
                                                : ParseVbsScript(script, "movie.vbs");
  FUZZ_CHECK(commands.size() == 1, "a script starts one program");
  FUZZ_CHECK(commands[0].wait, "the script waits for the player");
  return commands[0].args;
}

void CheckBino(FuzzedDataProvider& input, ScriptKind kind) {
  BinoOptions options;
  options.location = QuotedValue(input, kind, true);
  options.noGui = input.ConsumeBool();
  options.center = input.ConsumeBool();
  options.swap = input.ConsumeBool();
  options.fullScreen = input.ConsumeBool();
  options.fullScreenItem = input.ConsumeIntegralInRange(-2, 6);
  options.videoInput = input.ConsumeIntegralInRange(-2, 13);
  options.videoOutput = input.ConsumeIntegralInRange(-2, 17);
  options.crossTalk = input.ConsumeBool();
  options.crossTalkR = BareValue(input, kind);
  options.crossTalkG = BareValue(input, kind);
  options.crossTalkB = BareValue(input, kind);
  options.ghostBusting = BareValue(input, kind);
  options.subtitles = input.ConsumeBool();
  for (ComboChoice* combo : {&options.subEncoding, &options.subFont, &options.subColour}) {
    combo->chosen = input.ConsumeIntegralInRange(-1, 9);
    combo->text = BareValue(input, kind);
  }
  options.subSize = BareValue(input, kind);
  options.subParallax = BareValue(input, kind);
  const std::string left = QuotedValue(input, kind, false);
  const std::string right = QuotedValue(input, kind, false);

  std::vector<std::string> want{options.location};
  if (options.noGui) want.push_back("-n");
  if (options.center) want.push_back("-c");
  if (options.swap) want.push_back("-S");
  if (options.fullScreen)
    AddWords(want, OptionText(kBinoFullScreenOptions, options.fullScreenItem));
  if (options.crossTalk) {
    want.push_back("--ghostbust=" + options.ghostBusting);
    want.push_back("--crosstalk=" + options.crossTalkR + "," + options.crossTalkG + "," +
                   options.crossTalkB);
  }
  AddWords(want, OptionText(kBinoVideoInputs, options.videoInput));
  AddWords(want, OptionText(kBinoVideoOutputs, options.videoOutput));
  want.push_back(left);
  if (options.videoInput == kSeparateLeftRightInput) want.push_back(right);
  if (options.subtitles) {
    want.push_back(ReplaceExtension(left, ".srt"));
    want.push_back("--subtitle=1");
    if (options.subEncoding.chosen > 0)
      want.push_back("--subtitle-encoding=" + options.subEncoding.text);
    if (options.subFont.chosen > 0) want.push_back("--subtitle-font=" + options.subFont.text);
    if (options.subColour.chosen > 0) want.push_back("--subtitle-color=" + options.subColour.text);
    want.push_back("--subtitle-size=" + options.subSize);
    if (options.subParallax != "0") want.push_back("--parallax=" + options.subParallax);
  }

  const std::string line = BuildBinoCommandLine(options, ScriptFileName(left, kind),
                                                ScriptFileName(right, kind), QuoteMark(kind));
  FUZZ_CHECK(ReadBack(LaunchScriptText(line, kind), kind) == want,
             "the Bino script carries the arguments it was built from");
}

void CheckSPlayer(FuzzedDataProvider& input, ScriptKind kind) {
  SPlayerOptions options;
  options.location = QuotedValue(input, kind, true);
  options.fullScreen = input.ConsumeBool();
  options.fullScreenItem = input.ConsumeIntegralInRange(-2, 6);
  options.videoInput = input.ConsumeIntegralInRange(-2, 18);
  options.videoOutput = input.ConsumeIntegralInRange(-2, 24);
  options.deinterlace = input.ConsumeBool();
  options.parallax = BareValue(input, kind);
  const std::string left = QuotedValue(input, kind, false);
  const std::string right = QuotedValue(input, kind, false);

  std::vector<std::string> want{options.location};
  if (options.videoInput == kSeparateLeftRightInput) {
    want.push_back("-left:" + left);
    want.push_back("-right:" + right);
  } else {
    want.push_back("-file:" + left);
  }
  AddWords(want, OptionText(kSPlayerVideoInputs, options.videoInput));
  AddWords(want, "-fp -play -nl -termkey -termend");
  if (options.fullScreen) {
    want.push_back("-fss");
    AddWords(want, OptionText(kSPlayerFullScreenOptions, options.fullScreenItem));
  }
  AddWords(want, OptionText(kSPlayerVideoOutputs, options.videoOutput));
  want.push_back(options.deinterlace ? "-di:1" : "-di:0");
  if (options.parallax != "0" && !options.parallax.empty())
    want.push_back("-ph:" + options.parallax);

  const std::string line = BuildSPlayerCommandLine(options, ScriptFileName(left, kind),
                                                   ScriptFileName(right, kind), QuoteMark(kind));
  FUZZ_CHECK(ReadBack(LaunchScriptText(line, kind), kind) == want,
             "the Stereoscopic Player script carries the arguments it was built from");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider input(data, size);
  const ScriptKind kind = input.ConsumeBool() ? ScriptKind::Bat : ScriptKind::Vbs;
  if (input.ConsumeBool())
    CheckBino(input, kind);
  else
    CheckSPlayer(input, kind);
  return 0;
}
