// The remote's replies: the state as JSON and as OSC fields, with texts that are always UTF-8.
#include <gtest/gtest.h>

#include <string>

#include "core/remote/RemoteReplies.h"

namespace {

const std::string kFffd = "\xEF\xBF\xBD";

RemoteState Sample() {
  RemoteState state;
  state.position = 2;
  state.count = 3;
  state.currentItem = "b \"two\".avi";
  state.nextItem = "c\\three.avi";
  state.playing = true;
  state.playingFor = std::chrono::milliseconds(1500);
  state.continuous = true;
  return state;
}

}  // namespace

TEST(RemoteReplies, InvalidUtf8BecomesOneReplacementAByteAndValidTextStays) {
  // Valid: ASCII, two-, three- and four-byte forms, the last code point.
  const std::string valid = "a\xC3\xA9\xE2\x82\xAC\xF0\x9F\x8E\xAC\xF4\x8F\xBF\xBF";
  EXPECT_EQ(RepairUtf8(valid), valid);
  EXPECT_EQ(RepairUtf8("caf\xE9.avi"), "caf" + kFffd + ".avi");  // Latin-1
  EXPECT_EQ(RepairUtf8("\xC0\xAF"), kFffd + kFffd);              // overlong '/'
  EXPECT_EQ(RepairUtf8("\xE0\x80\xAF"), kFffd + kFffd + kFffd);  // overlong, three bytes
  EXPECT_EQ(RepairUtf8("\xED\xA0\x80"), kFffd + kFffd + kFffd);  // a surrogate
  EXPECT_EQ(RepairUtf8("\xF4\x90\x80\x80"), kFffd + kFffd + kFffd + kFffd);  // past U+10FFFF
  EXPECT_EQ(RepairUtf8("\xF5\xFF"), kFffd + kFffd);
  // Cut short at the end and in the middle: what follows is kept.
  EXPECT_EQ(RepairUtf8("x\xE2\x82"), "x" + kFffd + kFffd);
  EXPECT_EQ(RepairUtf8("\xE2\x82y"), kFffd + kFffd + "y");
  EXPECT_EQ(RepairUtf8(std::string("\0\x7F", 2)), std::string("\0\x7F", 2));
  EXPECT_EQ(TextForRemote("caf\xE9"), "caf" + kFffd);
}

TEST(RemoteReplies, StateJsonEscapesOddTextsAndStaysValid) {
  EXPECT_EQ(StateJson(Sample()),
            "{\"position\":2,\"count\":3,\"current\":\"b \\\"two\\\".avi\","
            "\"next\":\"c\\\\three.avi\",\"playing\":true,\"playingForMs\":1500,"
            "\"continuous\":true,\"loopAll\":false,\"message\":null}");
  RemoteState odd;
  odd.currentItem = std::string("a\tb\nc\x01\x1F\x7F\0z", 10);
  odd.nextItem = "\xFF\xFEname\xC3";
  odd.message = "It could not be started:\r\n\"x.avi\"";
  const std::string json = StateJson(odd);
  EXPECT_NE(json.find("\"current\":\"a\\tb\\nc\\u0001\\u001f\\u007f\\u0000z\""), std::string::npos)
      << json;
  EXPECT_NE(json.find("\"next\":\"" + kFffd + kFffd + "name" + kFffd + "\""), std::string::npos)
      << json;
  EXPECT_NE(json.find("\"message\":\"It could not be started:\\r\\n\\\"x.avi\\\"\""),
            std::string::npos)
      << json;
  // No raw control byte and no invalid UTF-8 is left anywhere.
  for (const char c : json) EXPECT_GE(static_cast<unsigned char>(c), 0x20) << json;
  EXPECT_EQ(RepairUtf8(json), json);
}

TEST(RemoteReplies, ResultJsonCarriesTheReasonAndTheStateWhenThereIsOne) {
  EXPECT_EQ(ResultJson("go", {false, "an item is playing", std::nullopt}),
            "{\"command\":\"go\",\"done\":false,\"reason\":\"an item is playing\"}");
  const std::string withState = ResultJson("state", {true, "", Sample()});
  EXPECT_EQ(withState, "{\"command\":\"state\",\"done\":true,\"reason\":\"\",\"state\":" +
                           StateJson(Sample()) + "}");
}

TEST(RemoteReplies, StateAsOscIsOneFieldAMessageWithNoNulInsideAString) {
  RemoteState state = Sample();
  state.currentItem = std::string("a\0b", 3);
  state.playingFor = std::chrono::hours(24 * 30);  // past int32's milliseconds
  const std::vector<OscMessage> messages = StateOscMessages(state);
  const std::string p = "/quadrel/reply/state/";
  const std::vector<OscMessage> expected = {
      {p + "position", {int32_t{2}}},       {p + "count", {int32_t{3}}},
      {p + "current", {"a" + kFffd + "b"}}, {p + "next", {std::string("c\\three.avi")}},
      {p + "playing", {int32_t{1}}},        {p + "playing-for", {int32_t{2147483647}}},
      {p + "continuous", {int32_t{1}}},     {p + "loop-all", {int32_t{0}}},
      {p + "message", {std::string()}},
  };
  EXPECT_EQ(messages, expected);

  EXPECT_EQ(OscReply("go", {true, "", std::nullopt}),
            (OscMessage{"/quadrel/reply/go", {std::string("ok")}}));
  EXPECT_EQ(OscReply("", {false, "no such command: /quadrel/x\xFF", std::nullopt}),
            (OscMessage{"/quadrel/reply/error",
                        {std::string("refused"), "no such command: /quadrel/x" + kFffd}}));
}
