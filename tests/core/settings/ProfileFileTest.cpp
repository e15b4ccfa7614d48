#include <gtest/gtest.h>

#include <filesystem>

#include "TempDir.h"
#include "base/AppError.h"
#include "core/settings/ProfileFile.h"

namespace fs = std::filesystem;
using namespace std::string_literals;

namespace {

// The error text a flush raised, or "" when it went through.
std::string FlushError(ProfileFile& profile) {
  try {
    profile.Flush();
  } catch (const AppError& e) {
    return e.what();
  }
  return "";
}

}  // namespace

TEST(ProfileFile, MissingFileGivesDefaultsAndIsOnlyCreatedByAWrite) {
  TempDir dir;
  const std::string path = dir.file("show.INI");
  ProfileFile profile(path);
  EXPECT_EQ(profile.ReadString("Bino", "BinoLocation", "def"), "def");
  EXPECT_TRUE(profile.ReadFlag("Bino", "Swap", true));
  EXPECT_EQ(profile.ReadNumber("Bino", "VideoInput", 6), 6);
  profile.Flush();
  EXPECT_EQ(dir.listing(), "");

  profile.WriteString("Bino", "BinoLocation", "C:\\bino.exe");
  EXPECT_TRUE(profile.HasPendingWrites());
  EXPECT_EQ(dir.listing(), "");  // nothing reaches the disk before the flush
  profile.Flush();
  EXPECT_FALSE(profile.HasPendingWrites());
  EXPECT_EQ(dir.read("show.INI"), "[Bino]\r\nBinoLocation=C:\\bino.exe\r\n");
  EXPECT_EQ(ProfileFile(path).ReadString("bino", "binolocation", ""), "C:\\bino.exe");
}

TEST(ProfileFile, NewSectionsAndKeysAreAppendedInWriteOrder) {
  ProfileFile profile("x.INI", "");
  profile.WriteFlag("Ini Parameters", "File Info", true);
  profile.WriteFlag("Setup Parameters", "Continuous", false);
  profile.WriteNumber("Setup parameters", "VideoPlayer", -1);
  profile.WriteFlag("Ini Parameters", "Help Info", false);
  profile.WriteString("Floating", "Value", "abc");
  EXPECT_EQ(profile.Text(),
            "[Ini Parameters]\r\nFile Info=1\r\nHelp Info=0\r\n"
            "\r\n[Setup Parameters]\r\nContinuous=0\r\nVideoPlayer=-1\r\n"
            "\r\n[Floating]\r\nValue=abc\r\n");
  // Reads see the writes before any flush.
  EXPECT_EQ(profile.ReadNumber("SETUP PARAMETERS", "videoplayer", 0), -1);
  EXPECT_EQ(profile.ReadString("floating", "VALUE", ""), "abc");
}

TEST(ProfileFile, NamesMatchWithoutCaseAndKeepTheCaseFound) {
  ProfileFile profile("x.INI", "[setup PARAMETERS]\r\ncontinuous=1\r\nLOOP=1\r\n");
  EXPECT_TRUE(profile.ReadFlag("Setup Parameters", "Continuous", false));
  EXPECT_TRUE(profile.ReadFlag("Setup parameters", "Loop", false));
  profile.WriteFlag("Setup Parameters", "Continuous", false);
  profile.WriteFlag("Setup Parameters", "Loop", true);
  profile.WriteNumber("Setup parameters", "VideoPlayer", 1);
  EXPECT_EQ(profile.Text(), "[setup PARAMETERS]\r\ncontinuous=0\r\nLOOP=1\r\nVideoPlayer=1\r\n");
}

// A key written twice in one section: the first line counts, and a write replaces that line
// alone, so the second keeps its bytes and the value read is the one written.
TEST(ProfileFile, FirstOfTwoEqualKeysIsReadAndReplaced) {
  TempDir dir;
  const std::string path = dir.file("show.INI");
  dir.write("show.INI",
            "[Bino]\r\nVideoInput=3\r\nSwap=1\r\nvideoinput=9\r\n[SPlayer]\r\nVideoInput=4\r\n");
  ProfileFile profile(path);
  EXPECT_EQ(profile.ReadNumber("Bino", "VideoInput", 6), 3);
  profile.WriteNumber("Bino", "VideoInput", 5);
  EXPECT_EQ(profile.ReadNumber("Bino", "VideoInput", 6), 5);
  profile.Flush();
  EXPECT_EQ(dir.read("show.INI"),
            "[Bino]\r\nVideoInput=5\r\nSwap=1\r\nvideoinput=9\r\n[SPlayer]\r\nVideoInput=4\r\n");
  EXPECT_EQ(ProfileFile(path).ReadNumber("Bino", "VideoInput", 6), 5);
}

TEST(ProfileFile, ForeignLinesStayAsTheyAre) {
  const std::string before =
      "; written by hand\r\n"
      "stray=before any section\r\n"
      "[Bino]\r\n"
      "  ; a comment = with equals\r\n"
      "   Swap  =  1   \r\n"
      "Other Key = kept  \r\n"
      "no equals sign here\r\n"
      "\r\n"
      "[Unknown]\r\n"
      "Swap=7\r\n"
      "\r\n"
      "[bino]\r\n"
      "Center=0\r\n"
      "[SPlayer]\r\n"
      "Parallax=3";
  ProfileFile profile("x.INI", before);
  EXPECT_EQ(profile.Text(), before);
  EXPECT_TRUE(profile.ReadFlag("Bino", "Swap", false));
  EXPECT_EQ(profile.ReadString("Bino", "Other Key", ""), "kept");
  // Only the first section of a name counts.
  EXPECT_TRUE(profile.ReadFlag("Bino", "Center", true));
  EXPECT_EQ(profile.ReadString("Bino", "; a comment", "none"), "none");
  EXPECT_EQ(profile.ReadString("Bino", "no equals sign here", "none"), "none");
  EXPECT_EQ(profile.ReadString("", "stray", "none"), "none");

  profile.WriteFlag("Bino", "Swap", false);
  profile.WriteString("Bino", "Center", "1");
  profile.WriteString("SPlayer", "Parallax", "4");
  profile.WriteString("SPlayer", "Deinterlace", "0");
  profile.WriteString("Floating", "Value", "0");
  EXPECT_EQ(profile.Text(),
            "; written by hand\r\n"
            "stray=before any section\r\n"
            "[Bino]\r\n"
            "  ; a comment = with equals\r\n"
            "Swap=0\r\n"
            "Other Key = kept  \r\n"
            "no equals sign here\r\n"
            "Center=1\r\n"
            "\r\n"
            "[Unknown]\r\n"
            "Swap=7\r\n"
            "\r\n"
            "[bino]\r\n"
            "Center=0\r\n"
            "[SPlayer]\r\n"
            "Parallax=4\r\n"
            "Deinterlace=0\r\n"
            "\r\n"
            "[Floating]\r\n"
            "Value=0\r\n");
}

TEST(ProfileFile, ReadsStripBlanksAndOnePairOfQuotes) {
  ProfileFile profile("x.INI",
                      "[S]\r\n"
                      "plain=  a  b \t\r\n"
                      "double=\"x y\"\r\n"
                      "single='x y'\r\n"
                      "inner=\" x \"\r\n"
                      "twice='\"x\"'\r\n"
                      "mixed=\"x'\r\n"
                      "lone=\"\r\n"
                      "pair=\"\"\r\n"
                      "open=\"x\r\n"
                      "empty=\r\n"
                      "blank=   \r\n"
                      "spaced  =  v  \r\n"
                      "eq=a=b\r\n");
  EXPECT_EQ(profile.ReadString("S", "plain", "d"), "a  b");
  EXPECT_EQ(profile.ReadString("S", "double", "d"), "x y");
  EXPECT_EQ(profile.ReadString("S", "single", "d"), "x y");
  EXPECT_EQ(profile.ReadString("S", "inner", "d"), " x ");
  EXPECT_EQ(profile.ReadString("S", "twice", "d"), "\"x\"");
  EXPECT_EQ(profile.ReadString("S", "mixed", "d"), "\"x'");
  EXPECT_EQ(profile.ReadString("S", "lone", "d"), "\"");
  EXPECT_EQ(profile.ReadString("S", "pair", "d"), "");
  EXPECT_EQ(profile.ReadString("S", "open", "d"), "\"x");
  EXPECT_EQ(profile.ReadString("S", "empty", "d"), "");
  EXPECT_EQ(profile.ReadString("S", "blank", "d"), "");
  EXPECT_EQ(profile.ReadString("S", "spaced", "d"), "v");
  EXPECT_EQ(profile.ReadString("S", "eq", "d"), "a=b");
  EXPECT_EQ(profile.ReadString("S", "missing", "d"), "d");
  EXPECT_EQ(profile.ReadString("Missing", "plain", "d"), "d");
  // An empty value is present: flags and numbers fall back to their default.
  EXPECT_TRUE(profile.ReadFlag("S", "empty", true));
  EXPECT_EQ(profile.ReadNumber("S", "empty", 6), 6);
}

TEST(ProfileFile, ReadsAreCutTo2047Characters) {
  const std::string value(3000, 'v');
  ProfileFile profile("x.INI", "[S]\r\nlong=" + value + "\r\nquoted=\"" + value + "\"\r\nshort=\"" +
                                   std::string(2047, 'q') + "\"\r\n");
  EXPECT_EQ(profile.ReadString("S", "long", ""), value.substr(0, 2047));
  EXPECT_EQ(profile.ReadString("S", "quoted", ""), value.substr(0, 2047));
  EXPECT_EQ(profile.ReadString("S", "short", ""), std::string(2047, 'q'));
  // The cut is the read's; the file keeps the whole value.
  profile.WriteString("S", "other", "1");
  EXPECT_NE(profile.Text().find(value), std::string::npos);
}

TEST(ProfileFile, ForeignLineEndsSurviveAndWrittenLinesEndInCrLf) {
  ProfileFile lfOnly("x.INI", "[A]\nk=1\n; note\n\n[B]\nm=2\n");
  EXPECT_EQ(lfOnly.ReadString("A", "k", ""), "1");
  EXPECT_EQ(lfOnly.ReadString("B", "m", ""), "2");
  lfOnly.WriteString("A", "k", "5");
  lfOnly.WriteString("A", "n", "6");
  lfOnly.WriteString("C", "o", "7");
  EXPECT_EQ(lfOnly.Text(), "[A]\nk=5\n; note\nn=6\r\n\n[B]\nm=2\n\r\n[C]\r\no=7\r\n");

  ProfileFile mixed("x.INI", "[A]\r\nk=1\rl=2\nm=3");
  EXPECT_EQ(mixed.ReadString("A", "l", ""), "2");
  EXPECT_EQ(mixed.ReadString("A", "m", ""), "3");
  mixed.WriteString("A", "n", "4");
  EXPECT_EQ(mixed.Text(), "[A]\r\nk=1\rl=2\nm=3\r\nn=4\r\n");

  ProfileFile noEnd("x.INI", "[A]\r\nk=1");
  noEnd.WriteString("B", "k", "2");
  EXPECT_EQ(noEnd.Text(), "[A]\r\nk=1\r\n\r\n[B]\r\nk=2\r\n");

  // A blank last line is enough separation for an appended section.
  ProfileFile blankEnd("x.INI", "[A]\r\nk=1\r\n\r\n");
  blankEnd.WriteString("B", "k", "2");
  EXPECT_EQ(blankEnd.Text(), "[A]\r\nk=1\r\n\r\n[B]\r\nk=2\r\n");
}

TEST(ProfileFile, Utf8MarkBeforeTheFirstSectionIsKept) {
  ProfileFile profile("x.LNG", "\xEF\xBB\xBF[Screen]\r\nPlay=x\r\n");
  EXPECT_EQ(profile.ReadString("Screen", "Play", ""), "x");
  profile.WriteString("Screen", "Help", "h");
  EXPECT_EQ(profile.Text(), "\xEF\xBB\xBF[Screen]\r\nPlay=x\r\nHelp=h\r\n");
}

TEST(ProfileFile, ValuesCannotBreakTheirLine) {
  ProfileFile profile("x.INI", "[A]\r\nk=1\r\n");
  profile.WriteString("A", "k", "one\r\ntwo\rthree\nfour");
  profile.WriteString("A", "new", "\n[B]\r\nx=1");
  EXPECT_EQ(profile.Text(), "[A]\r\nk=one  two three four\r\nnew= [B]  x=1\r\n");
  EXPECT_EQ(profile.ReadString("B", "x", "none"), "none");
  EXPECT_EQ(profile.ReadString("A", "new", ""), "[B]  x=1");
}

TEST(ProfileFile, OddBytesAndBigInputKeepEveryByte) {
  // NUL and high bytes are ordinary text.
  const std::string odd = "[S\0]\r\nk\xff=v\0w\r\n[A]\r\nk=\x80\x01\r\n"s;
  ProfileFile nul("x.INI", odd);
  EXPECT_EQ(nul.ReadString("S\0"s, "k\xff", ""), "v\0w"s);
  EXPECT_EQ(nul.ReadString("a", "K", ""), "\x80\x01");
  nul.WriteString("A", "k", "\0"s);
  EXPECT_EQ(nul.Text(), "[S\0]\r\nk\xff=v\0w\r\n[A]\r\nk=\0\r\n"s);

  // A 10 MB line as a value, as a foreign line and as a section header.
  const std::string huge(10 << 20, 'h');
  ProfileFile big("x.INI", "[A]\r\nk=" + huge + "\r\n" + huge + "\r\n[" + huge + "\r\nm=1\r\n");
  EXPECT_EQ(big.ReadString("A", "k", ""), huge.substr(0, 2047));
  EXPECT_EQ(big.ReadString("A", "m", ""), "1");  // an unclosed '[' is no section
  big.WriteString("A", "k", "short");
  EXPECT_EQ(big.Text(), "[A]\r\nk=short\r\n" + huge + "\r\n[" + huge + "\r\nm=1\r\n");

  // 100,000 sections: lookups and the append point stay cheap.
  std::string many;
  for (int i = 0; i < 100000; ++i)
    many += "[s" + std::to_string(i) + "]\r\nk=" + std::to_string(i) + "\r\n";
  ProfileFile sections("x.INI", many);
  EXPECT_EQ(sections.ReadNumber("S99999", "K", -1), 99999);
  EXPECT_EQ(sections.ReadNumber("s50000", "k", -1), 50000);
  for (int i = 0; i < 100000; i += 2) sections.WriteNumber("s" + std::to_string(i), "n", i);
  sections.WriteNumber("s100000", "k", 1);
  const std::string text = sections.Text();
  EXPECT_EQ(text.substr(0, 22), "[s0]\r\nk=0\r\nn=0\r\n[s1]\r\n");
  const std::string tail = "n=99998\r\n[s99999]\r\nk=99999\r\n\r\n[s100000]\r\nk=1\r\n";
  EXPECT_EQ(text.substr(text.size() - tail.size()), tail);
}

TEST(ProfileFile, FailedFlushNamesTheFileAndChangesNothing) {
  TempDir dir;
  // A folder stands where the file should be: reads give defaults, the flush fails.
  fs::create_directory(dir.path() / "show.INI");
  const std::string folder = dir.file("show.INI");
  ProfileFile blocked(folder);
  EXPECT_EQ(blocked.ReadString("Bino", "BinoLocation", "def"), "def");
  blocked.WriteString("Bino", "BinoLocation", "x");
  EXPECT_EQ(FlushError(blocked), "Unable to write to " + folder);
  EXPECT_TRUE(blocked.HasPendingWrites());
  EXPECT_TRUE(fs::is_directory(folder));
  EXPECT_EQ(dir.listing(), "show.INI");

  // A missing folder.
  const std::string lost = (dir.path() / "gone" / "show.INI").string();
  ProfileFile missing(lost);
  missing.WriteFlag("A", "k", true);
  EXPECT_EQ(FlushError(missing), "Unable to write to " + lost);
  EXPECT_EQ(dir.listing(), "show.INI");
}

TEST(ProfileFile, ReadOnlyFileKeepsItsContent) {
  TempDir dir;
  const std::string path = dir.file("show.INI");
  dir.write("show.INI", "[A]\r\nk=old\r\n");
  fs::permissions(path, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                  fs::perm_options::remove);
  ProfileFile profile(path);
  EXPECT_EQ(profile.ReadString("A", "k", ""), "old");
  profile.WriteString("A", "k", "new");
  const std::string error = FlushError(profile);
  fs::permissions(path, fs::perms::owner_write, fs::perm_options::add);
  if (error.empty()) GTEST_SKIP() << "this user may write read-only files (root)";
  EXPECT_EQ(error, "Unable to write to " + path);
  EXPECT_EQ(dir.read("show.INI"), "[A]\r\nk=old\r\n");
  EXPECT_EQ(dir.listing(), "show.INI");
}

TEST(ProfileFile, UnreadableFileIsNeverOverwritten) {
  TempDir dir;
  const std::string path = dir.file("show.INI");
  dir.write("show.INI", "[A]\r\nk=secret\r\n");
  fs::permissions(path, fs::perms::none);
  ProfileFile profile(path);
  const std::string seen = profile.ReadString("A", "k", "def");
  profile.WriteString("A", "other", "1");
  const std::string error = FlushError(profile);
  fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write);
  if (seen == "secret") GTEST_SKIP() << "this user may read any file (root, or no such rights)";
  EXPECT_EQ(seen, "def");
  EXPECT_EQ(error, "Unable to write to " + path);
  EXPECT_EQ(dir.read("show.INI"), "[A]\r\nk=secret\r\n");
}

TEST(ProfileFile, FlushWritesOnceAndLaterWritesNeedAnotherFlush) {
  TempDir dir;
  const std::string path = dir.file("a.LNG");
  dir.write("a.LNG", "[Screen]\nHelp=x\n");
  ProfileFile profile(path);
  profile.WriteString("Screen", "Help", "x");
  profile.Flush();
  EXPECT_EQ(dir.read("a.LNG"), "[Screen]\nHelp=x\n");
  dir.write("a.LNG", "changed");
  profile.Flush();  // nothing pending: the file is left alone
  EXPECT_EQ(dir.read("a.LNG"), "changed");
  profile.WriteString("Screen", "Play", "y");
  profile.Flush();
  EXPECT_EQ(dir.read("a.LNG"), "[Screen]\nHelp=x\nPlay=y\r\n");
  EXPECT_EQ(dir.listing(), "a.LNG");
}
