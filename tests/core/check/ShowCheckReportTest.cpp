#include <gtest/gtest.h>

#include <set>
#include <string>

#include "core/check/ShowCheckReport.h"

using namespace std::string_literals;

TEST(JsonString, EscapesWhatJsonNeeds) {
  EXPECT_EQ(JsonString(""), "\"\"");
  EXPECT_EQ(JsonString("clips\\intro.avi"), "\"clips\\\\intro.avi\"");
  EXPECT_EQ(JsonString("say \"hi\""), "\"say \\\"hi\\\"\"");
  EXPECT_EQ(JsonString("a\tb\r\nc\b\f"), "\"a\\tb\\r\\nc\\b\\f\"");
  EXPECT_EQ(JsonString("\x01\x1f\x7f"), "\"\\u0001\\u001f\\u007f\"");
  EXPECT_EQ(JsonString("a\0b"s), "\"a\\u0000b\"");
  EXPECT_EQ(JsonString("/ ~ '"), "\"/ ~ '\"");
}

TEST(JsonString, KeepsValidUtf8AndEscapesEveryOtherByte) {
  // Valid sequences of two, three and four bytes stand as they are.
  EXPECT_EQ(JsonString("caf\xc3\xa9 \xe2\x82\xac \xf0\x9f\x8e\xac"),
            "\"caf\xc3\xa9 \xe2\x82\xac \xf0\x9f\x8e\xac\"");
  EXPECT_EQ(JsonString("\xed\x9f\xbf\xf4\x8f\xbf\xbf"), "\"\xed\x9f\xbf\xf4\x8f\xbf\xbf\"");
  // A Windows code-page byte: the character with the byte's number.
  EXPECT_EQ(JsonString("caf\xe9.avi"), "\"caf\\u00e9.avi\"");
  // A sequence cut short, at the end or by another byte: each byte on its own.
  EXPECT_EQ(JsonString("\xc3"), "\"\\u00c3\"");
  EXPECT_EQ(JsonString("\xe2\x82"), "\"\\u00e2\\u0082\"");
  EXPECT_EQ(JsonString("\xe2\x82x"), "\"\\u00e2\\u0082x\"");
  EXPECT_EQ(JsonString("\xc3\xc3\xa9"), "\"\\u00c3\xc3\xa9\"");
  // Overlong forms, surrogates, beyond U+10FFFF, and bytes that start nothing.
  EXPECT_EQ(JsonString("\xc0\x80"), "\"\\u00c0\\u0080\"");
  EXPECT_EQ(JsonString("\xe0\x9f\xbf"), "\"\\u00e0\\u009f\\u00bf\"");
  EXPECT_EQ(JsonString("\xed\xa0\x80"), "\"\\u00ed\\u00a0\\u0080\"");
  EXPECT_EQ(JsonString("\xf0\x8f\xbf\xbf"), "\"\\u00f0\\u008f\\u00bf\\u00bf\"");
  EXPECT_EQ(JsonString("\xf4\x90\x80\x80"), "\"\\u00f4\\u0090\\u0080\\u0080\"");
  EXPECT_EQ(JsonString("\xf5\xff\xfe\x80"), "\"\\u00f5\\u00ff\\u00fe\\u0080\"");
}

namespace {

std::vector<CheckFinding> SampleFindings() {
  return {
      {2, "clips\\a.avi", CheckKind::MissingFile, CheckSeverity::Error,
       "missing file \"/show/clips/a.avi\""},
      {3, "", CheckKind::EmptyItem, CheckSeverity::Error, "empty item"},
      {4, "x\x01\xe9", CheckKind::Duplicate, CheckSeverity::Info, "the same item as position 1"}};
}

}  // namespace

TEST(FormatCheckJson, OneObjectWithCountsAndFindings) {
  EXPECT_EQ(FormatCheckJson(SampleFindings(), 5, "/show/quadrel.LST"),
            "{\n"
            "  \"list\": \"/show/quadrel.LST\",\n"
            "  \"items\": 5,\n"
            "  \"ok\": false,\n"
            "  \"counts\": {\"error\": 2, \"info\": 1},\n"
            "  \"findings\": [\n"
            "    {\"position\": 2, \"item\": \"clips\\\\a.avi\", \"kind\": \"missing-file\", "
            "\"severity\": \"error\", \"detail\": \"missing file \\\"/show/clips/a.avi\\\"\"},\n"
            "    {\"position\": 3, \"item\": \"\", \"kind\": \"empty-item\", "
            "\"severity\": \"error\", \"detail\": \"empty item\"},\n"
            "    {\"position\": 4, \"item\": \"x\\u0001\\u00e9\", \"kind\": \"duplicate\", "
            "\"severity\": \"info\", \"detail\": \"the same item as position 1\"}\n"
            "  ]\n"
            "}\n");
  EXPECT_EQ(FormatCheckJson({}, 0, "C:\\Show\\\xe9.shl"),
            "{\n"
            "  \"list\": \"C:\\\\Show\\\\\\u00e9.shl\",\n"
            "  \"items\": 0,\n"
            "  \"ok\": true,\n"
            "  \"counts\": {\"error\": 0, \"info\": 0},\n"
            "  \"findings\": []\n"
            "}\n");
  EXPECT_EQ(FormatCheckJsonError("a.shl", "Cannot open file \"a.shl\". No such file"),
            "{\n  \"list\": \"a.shl\",\n  \"error\": \"Cannot open file \\\"a.shl\\\". No such "
            "file\"\n}\n");
}

TEST(CheckKindName, EveryKindHasItsOwnName) {
  const CheckKind kinds[] = {CheckKind::EmptyItem,      CheckKind::Duplicate,
                             CheckKind::MissingFile,    CheckKind::Folder,
                             CheckKind::NoApplication,  CheckKind::UnreadableScript,
                             CheckKind::MissingProgram, CheckKind::MissingVideo};
  std::set<std::string> names;
  for (const CheckKind kind : kinds) names.insert(CheckKindName(kind));
  EXPECT_EQ(names, (std::set<std::string>{"empty-item", "duplicate", "missing-file", "folder",
                                          "no-application", "unreadable-script", "missing-program",
                                          "missing-video"}));
}

TEST(FormatCheckText, OneLinePerFindingAndASummary) {
  EXPECT_EQ(FormatCheckText(SampleFindings(), 5, "/show/quadrel.LST"),
            "2: clips\\a.avi: missing file \"/show/clips/a.avi\"\n"
            "3: : empty item\n"
            "4: x\\x01\xe9: the same item as position 1\n"
            "Checked 5 items of \"/show/quadrel.LST\": 2 errors, 1 note.\n");
  EXPECT_EQ(FormatCheckText({}, 1, "a.shl"), "Checked 1 item of \"a.shl\": nothing would fail.\n");
  EXPECT_EQ(FormatCheckText({SampleFindings()[2]}, 4, "a.shl"),
            "4: x\\x01\xe9: the same item as position 1\n"
            "Checked 4 items of \"a.shl\": nothing would fail, 1 note.\n");
  EXPECT_EQ(FormatCheckText({SampleFindings()[0]}, 2, "a.shl"),
            "2: clips\\a.avi: missing file \"/show/clips/a.avi\"\n"
            "Checked 2 items of \"a.shl\": 1 error.\n");
}
