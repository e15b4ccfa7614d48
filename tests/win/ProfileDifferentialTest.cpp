// The profile engine against the system's own profile functions: the same reads and writes on
// the same starting file must give the same values and the same file.
//
// Only what Windows itself guarantees is compared. Wine, which runs this test here, differs from
// Windows in ways that are no concern of the engine, so the two files are compared line by line
// after these steps:
// - blank lines are dropped: where a blank line separates sections is each side's choice;
// - line ends are not compared: Wine rewrites every line with CR LF, while Windows and the
//   engine keep the line ends of the lines they do not change;
// - blanks at the ends of a line and around the "=" of a value line are dropped: Wine rewrites
//   every value line as "key=value", while Windows and the engine leave foreign lines as they are.
// Cases whose Windows result is not documented are not run here (quotes that do not pair, text
// after a section's "]", blanks inside the brackets, lone CR line ends, NUL bytes, values holding
// CR or LF, which the engine turns into blanks on purpose); the core tests pin the engine's own
// answers to them.
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <type_traits>
#include <vector>

#include "TempDir.h"
#include "base/AppError.h"
#include "core/settings/LanguageTexts.h"
#include "core/settings/ProfileFile.h"
#include "core/settings/ProfileValue.h"
#include "core/settings/Settings.h"
#include "core/settings/SettingsKeys.h"

namespace {

struct Op {
  bool write = false;
  std::string section;
  std::string key;
  std::string value;  // the text written, or the default of a read
};

Op Read(std::string section, std::string key, std::string def = "<default>") {
  return Op{false, std::move(section), std::move(key), std::move(def)};
}
Op Write(std::string section, std::string key, std::string value) {
  return Op{true, std::move(section), std::move(key), std::move(value)};
}

struct Outcome {
  std::vector<std::string> reads;
  bool written = true;  // every write and the flush went through
  std::optional<std::string> file;
};

std::optional<std::string> ReadIfPresent(const std::string& path) {
  if (!std::filesystem::is_regular_file(path)) return std::nullopt;
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

Outcome RunSystem(const std::string& path, const std::vector<Op>& ops) {
  Outcome out;
  for (const Op& op : ops) {
    if (op.write) {
      if (!WritePrivateProfileStringA(op.section.c_str(), op.key.c_str(), op.value.c_str(),
                                      path.c_str()))
        out.written = false;
    } else {
      std::string buffer(2048, '\0');
      const DWORD n = GetPrivateProfileStringA(op.section.c_str(), op.key.c_str(), op.value.c_str(),
                                               buffer.data(), 2048, path.c_str());
      buffer.resize(n);
      out.reads.push_back(buffer);
    }
  }
  WritePrivateProfileStringA(nullptr, nullptr, nullptr, path.c_str());  // empties its cache
  out.file = ReadIfPresent(path);
  return out;
}

Outcome RunEngine(const std::string& path, const std::vector<Op>& ops) {
  Outcome out;
  ProfileFile profile(path);
  for (const Op& op : ops) {
    if (op.write) {
      profile.WriteString(op.section, op.key, op.value);
    } else {
      out.reads.push_back(profile.ReadString(op.section, op.key, op.value));
    }
  }
  try {
    profile.Flush();
  } catch (const AppError&) {
    out.written = false;
  }
  out.file = ReadIfPresent(path);
  return out;
}

std::string Trim(std::string text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return "";
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// The lines Windows guarantees, as described at the top of this file.
std::vector<std::string> GuaranteedLines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t pos = 0;
  while (pos < text.size()) {
    auto end = text.find('\n', pos);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(pos, end - pos);
    pos = end + 1;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    line = Trim(line);
    if (line.empty()) continue;
    const auto eq = line.find('=');
    if (line.front() != '[' && eq != std::string::npos)
      line = Trim(line.substr(0, eq)) + "=" + Trim(line.substr(eq + 1));
    lines.push_back(line);
  }
  return lines;
}

// Runs `ops` on `initial` (no file when empty) through both and compares what they did.
void ExpectSame(const std::optional<std::string>& initial, const std::vector<Op>& ops,
                bool inMissingFolder = false) {
  TempDir dir;
  std::filesystem::path folder = dir.path();
  if (inMissingFolder) folder /= "gone";
  const std::string systemPath = (folder / "system.ini").string();
  const std::string enginePath = (folder / "engine.ini").string();
  if (initial) {
    dir.write("system.ini", *initial);
    dir.write("engine.ini", *initial);
  }
  const Outcome system = RunSystem(systemPath, ops);
  const Outcome engine = RunEngine(enginePath, ops);
  EXPECT_EQ(engine.reads, system.reads);
  EXPECT_EQ(engine.written, system.written);
  ASSERT_EQ(engine.file.has_value(), system.file.has_value());
  if (system.file) {
    EXPECT_EQ(GuaranteedLines(*engine.file), GuaranteedLines(*system.file))
        << "system wrote:\n"
        << *system.file << "\nengine wrote:\n"
        << *engine.file;
  }
}

// The writes of a settings save, then reads of every key in the order of a settings load. Keys
// written only when set are left out: the values here are those of a first run.
std::vector<Op> SettingsSaveAndLoad(const Settings& settings) {
  std::vector<Op> ops;
  for (const SettingKey& key : SettingsKeys()) {
    if (key.onlyWhenSet) continue;
    const std::string text = std::visit(
        [&](auto member) {
          const auto& value = settings.*member;
          using Value = std::remove_cvref_t<decltype(value)>;
          if constexpr (std::is_same_v<Value, bool>)
            return FormatProfileFlag(value);
          else if constexpr (std::is_same_v<Value, int32_t>)
            return FormatProfileNumber(value);
          else
            return value;
        },
        key.field);
    ops.push_back(Write(key.section, key.key, text));
  }
  for (const Setting binding : SettingsReadOrder()) {
    ops.push_back(Read(KeyOf(binding).section, KeyOf(binding).key));
  }
  return ops;
}

std::vector<Op> SettingsLoad() {
  std::vector<Op> ops;
  for (const Setting binding : SettingsReadOrder()) {
    ops.push_back(Read(KeyOf(binding).section, KeyOf(binding).key));
  }
  return ops;
}

}  // namespace

TEST(ProfileAgainstSystem, FirstSettingsAndLanguageFiles) {
  ExpectSame(std::nullopt, SettingsLoad());
  ExpectSame(std::nullopt, SettingsSaveAndLoad(Settings()));

  std::vector<Op> language;
  for (const LanguageText& text : HelpLineTexts())
    language.push_back(Write(kScreenSection, text.key, text.builtIn));
  for (const LanguageText& text : ListWindowTexts())
    language.push_back(Write(kSetupSection, text.key, text.builtIn));
  for (const LanguageText& text : HelpLineTexts()) language.push_back(Read("screen", text.key));
  ExpectSame(std::nullopt, language);
}

TEST(ProfileAgainstSystem, SectionNamesInAnyCase) {
  const std::string file =
      "[setup parameters]\r\nContinuous=1\r\nLoop=0\r\nVideoPlayer=1\r\n"
      "[FLOATING]\r\nvalue=abc\r\n";
  auto ops = SettingsLoad();
  const auto save = SettingsSaveAndLoad(Settings());
  ops.insert(ops.end(), save.begin(), save.end());
  ExpectSame(file, ops);
}

TEST(ProfileAgainstSystem, ValuesAsStored) {
  const std::string longValue(3000, 'x');
  const std::string file =
      "[Ini Parameters]\r\nFile Info=yes\r\nHelp Info=2\r\nMono Info Screen=0x0\r\n"
      "[Bino]\r\nVideoInput=0x0A\r\nVideoOutput=99\r\nFullScreen=-5\r\nBinoLocation=\r\n"
      "Sub_Font_Size=  \"12\"  \r\nCrossTalkR='0.5'\r\nCrossTalkG=  spaced  out  \r\n"
      "Ghostbusting=\"\"\r\n  Swap  =  1  \r\nCrossTalkB=' a '\r\n"
      "[SPlayer]\r\nSPlayerLocation=" +
      longValue + "\r\nParallax=\"" + longValue + "\"\r\n[Floating]\r\nValue=abc\r\n";
  auto ops = SettingsLoad();
  ops.push_back(Read("Bino", "Missing"));
  ops.push_back(Read("Missing", "Swap"));
  ExpectSame(file, ops);
}

TEST(ProfileAgainstSystem, ForeignLinesAndDuplicates) {
  const std::string file =
      "; written by hand\r\n"
      "stray=before any section\r\n"
      "[Bino]\r\n"
      "; a comment = with equals\r\n"
      "Swap=1\r\n"
      "Other Key = kept\r\n"
      "no equals sign here\r\n"
      "Swap=2\r\n"
      "\r\n"
      "[Unknown]\r\n"
      "Swap=7\r\n"
      "\r\n"
      "[bino]\r\n"
      "Center=0\r\n"
      "[SPlayer]\r\n"
      "Parallax=3\r\n"
      "; trailing comment\r\n";
  ExpectSame(file, {Read("Bino", "Swap"), Read("Bino", "Center"), Read("Bino", "other key"),
                    Read("Unknown", "Swap"), Write("Bino", "Swap", "0"),
                    Write("Bino", "Center", "1"), Write("SPlayer", "Parallax", "4"),
                    Write("SPlayer", "Deinterlace", "0"), Write("Floating", "Value", "0"),
                    Write("bino", "swap", "5"), Read("BINO", "SWAP"), Read("Bino", "Center")});
}

TEST(ProfileAgainstSystem, LineEndsAndLastLines) {
  const std::vector<Op> ops = {Read("A", "k"),       Read("B", "m"),       Read("B", "n"),
                               Write("A", "k", "5"), Write("A", "n", "6"), Write("C", "o", "7"),
                               Write("B", "n", "8"), Read("A", "n")};
  ExpectSame("[A]\nk=1\n; note\n\n[B]\nm=2\nn=3\n", ops);
  ExpectSame("[A]\r\nk=1\n; note\r\n\n[B]\nm=2\r\nn=3", ops);
  ExpectSame("[A]\r\nk=1\r\n\r\n\r\n", ops);
  ExpectSame("", ops);
}

TEST(ProfileAgainstSystem, WrittenValuesReadBack) {
  const std::string longValue(3000, 'y');
  ExpectSame(std::nullopt,
             {Write("A", "quoted", "\"q v\""), Write("A", "single", "'s'"), Write("A", "empty", ""),
              Write("A", "long", longValue),
              Write("A", "path", "C:\\Program Files\\Bino\\bino.exe"), Read("A", "quoted"),
              Read("A", "single"), Read("A", "empty"), Read("A", "long"), Read("A", "path")});
}

TEST(ProfileAgainstSystem, RefusedWriteCreatesNothing) {
  // The engine keeps its writes in memory until the flush, so no read follows here.
  ExpectSame(std::nullopt, {Read("Bino", "Swap"), Write("Bino", "Swap", "1")}, true);
}
