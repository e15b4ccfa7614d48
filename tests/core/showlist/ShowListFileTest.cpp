#include <gtest/gtest.h>

#include <filesystem>

#include "TempDir.h"
#include "base/AppError.h"
#include "core/showlist/ShowListFile.h"

using Items = std::vector<std::string>;

TEST(ParseShowList, CutsLinesAtEveryKindOfBreak) {
  EXPECT_EQ(ParseShowList("a\nb"), (Items{"a", "b"}));
  EXPECT_EQ(ParseShowList("a\rb"), (Items{"a", "b"}));
  EXPECT_EQ(ParseShowList("a\r\n\r\nb"), (Items{"a", "", "b"}));
  EXPECT_EQ(ParseShowList("a\n\rb"), (Items{"a", "", "b"}));
  EXPECT_EQ(ParseShowList("a\r\nb"), (Items{"a", "b"}));
  EXPECT_EQ(ParseShowList("a\r\nb\r\n"), (Items{"a", "b"}));
  EXPECT_EQ(ParseShowList(" a \r\n\r\n"), (Items{" a ", ""}));
  EXPECT_EQ(ParseShowList(""), Items{});
  EXPECT_EQ(ParseShowList("\r\n"), Items{""});
}

TEST(ParseShowList, NulEndsTheList) {
  using namespace std::string_literals;
  EXPECT_EQ(ParseShowList("ab\0cd\r\nef"s), Items{"ab"});
  EXPECT_EQ(ParseShowList("ab\r\n\0cd"s), Items{"ab"});
  EXPECT_EQ(ParseShowList("\0ab"s), Items{});
}

TEST(ParseShowList, SaysWhereANulCutTheListShort) {
  using namespace std::string_literals;
  EXPECT_FALSE(ParseShowListContent("a\r\nb\r\n").cut);

  // Inside a line: that line's start is the last item, and the NUL stands in its line.
  ShowListContent content = ParseShowListContent("a.sh\r\nb\0c.sh\r\nd.sh\r\n"s);
  EXPECT_EQ(content.items, (Items{"a.sh", "b"}));
  ASSERT_TRUE(content.cut);
  EXPECT_EQ(content.cut->line, 2u);
  EXPECT_EQ(content.cut->items, 2u);
  EXPECT_EQ(content.cut->offset, 7u);
  EXPECT_EQ(content.cut->unread, 13u);

  // After a line break of either kind, the NUL opens the next line.
  EXPECT_EQ(ParseShowListContent("ab\r\n\0cd"s).cut->line, 2u);
  EXPECT_EQ(ParseShowListContent("a\n\r\0"s).cut->line, 3u);  // "a", an empty item, then it
  EXPECT_EQ(ParseShowListContent("\0ab"s).cut->line, 1u);
  EXPECT_EQ(ParseShowListContent("\0ab"s).cut->unread, 3u);
}

TEST(ShowListFile, ACutListIsKeptWholeBesideItWithoutReplacingAnEarlierCopy) {
  using namespace std::string_literals;
  TempDir dir;
  const std::string bytes = "a.sh\r\nb\0c.sh\r\n"s;
  dir.write("show.LST", bytes);
  LoadedShowList loaded = LoadShowListKeepingCut(dir.file("show.LST"));
  EXPECT_EQ(loaded.items, (Items{"a.sh", "b"}));
  ASSERT_TRUE(loaded.cut);
  EXPECT_EQ(loaded.keptIn, dir.file("show.LST.nul-cut"));
  EXPECT_EQ(dir.read("show.LST.nul-cut"), bytes);
  EXPECT_EQ(loaded.keepError, "");

  // Loading the same file again finds its copy and writes no second one.
  EXPECT_EQ(LoadShowListKeepingCut(dir.file("show.LST")).keptIn, dir.file("show.LST.nul-cut"));
  EXPECT_FALSE(std::filesystem::exists(dir.file("show.LST.nul-cut.2")));

  // Another cut file of the same name: the earlier copy stays, the new one takes the next number.
  const std::string other = "x\0y"s;
  dir.write("show.LST", other);
  EXPECT_EQ(LoadShowListKeepingCut(dir.file("show.LST")).keptIn, dir.file("show.LST.nul-cut.2"));
  EXPECT_EQ(dir.read("show.LST.nul-cut"), bytes);
  EXPECT_EQ(dir.read("show.LST.nul-cut.2"), other);

  // A list read whole leaves nothing beside it.
  dir.write("whole.shl", "a\r\n");
  loaded = LoadShowListKeepingCut(dir.file("whole.shl"));
  EXPECT_EQ(loaded.items, Items{"a"});
  EXPECT_FALSE(loaded.cut);
  EXPECT_EQ(loaded.keptIn, "");
  EXPECT_FALSE(std::filesystem::exists(dir.file("whole.shl.nul-cut")));
}

TEST(FormatShowList, CrLfAfterEveryItem) {
  EXPECT_EQ(FormatShowList({R"(..\clips\intro.avi)", "demo.bat"}),
            "..\\clips\\intro.avi\r\ndemo.bat\r\n");
  EXPECT_EQ(FormatShowList({R"(..\clips\intro.avi)", "demo.bat"}).size(), 30u);
  EXPECT_EQ(FormatShowList({}), "");
  EXPECT_EQ(FormatShowList({""}), "\r\n");
}

TEST(ShowListFile, RoundTripKeepsEveryByte) {
  TempDir dir;
  Items items;
  std::string high;
  for (int c = 0x80; c <= 0xFF; ++c) high += static_cast<char>(c);
  items = {high, " leading and trailing ", "", R"(..\x\y z.avi)", "\t\x01\x7f"};
  SaveShowList(dir.file("a.shl"), items);
  EXPECT_EQ(LoadShowList(dir.file("a.shl")), items);
  EXPECT_EQ(dir.read("a.shl"), FormatShowList(items));

  SaveShowList(dir.file("empty.LST"), {});
  EXPECT_EQ(dir.read("empty.LST"), "");
  EXPECT_EQ(LoadShowList(dir.file("empty.LST")), Items{});

  // A list far longer than one written piece, with items of every length up to longer than a
  // piece: nothing is lost or doubled where the pieces meet.
  Items many;
  for (int i = 0; i < 40000; ++i)
    many.push_back(std::string(static_cast<size_t>(i % 97), 'a' + i % 26));
  many.push_back(std::string(300 * 1024, 'z'));
  many.push_back("after the longest");
  SaveShowList(dir.file("many.shl"), many);
  EXPECT_EQ(dir.read("many.shl"), FormatShowList(many));
}

TEST(ShowListFile, SaveReplacesAndLeavesNoTemporaryFile) {
  TempDir dir;
  dir.write("a.shl", "old\r\nlonger old content\r\n");
  SaveShowList(dir.file("a.shl"), {"new"});
  EXPECT_EQ(dir.read("a.shl"), "new\r\n");
  EXPECT_EQ(dir.listing(), "a.shl");
}

TEST(ShowListFile, LoadErrorsNameTheFile) {
  TempDir dir;
  const std::string missing = dir.file("missing.shl");
  try {
    LoadShowList(missing);
    FAIL() << "no error";
  } catch (const AppError& e) {
    const std::string prefix = "Cannot open file \"" + missing + "\". ";
    EXPECT_EQ(std::string(e.what()).substr(0, prefix.size()), prefix);
    EXPECT_GT(std::string(e.what()).size(), prefix.size()) << "the reason is missing";
  }
  std::filesystem::create_directory(dir.path() / "folder.LST");
  EXPECT_THROW(LoadShowList(dir.file("folder.LST")), AppError);
}

TEST(ShowListFile, FailedSaveKeepsTheOldFile) {
  TempDir dir;
  // A folder where the file should be.
  std::filesystem::create_directory(dir.path() / "x.LST");
  const std::string target = dir.file("x.LST");
  try {
    SaveShowList(target, {"a"});
    FAIL() << "no error";
  } catch (const AppError& e) {
    const std::string prefix = "Cannot create file \"" + target + "\". ";
    EXPECT_EQ(std::string(e.what()).substr(0, prefix.size()), prefix);
  }
  EXPECT_TRUE(std::filesystem::is_directory(dir.path() / "x.LST"));
  EXPECT_EQ(dir.listing(), "x.LST");

  // A missing folder.
  const std::string nowhere = (dir.path() / "no such folder" / "y.LST").string();
  EXPECT_THROW(SaveShowList(nowhere, {"a"}), AppError);
  EXPECT_EQ(dir.listing(), "x.LST");
}
