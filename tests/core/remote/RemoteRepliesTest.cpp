// The remote's replies: the state as JSON and as OSC fields, with texts that are always UTF-8.
#include <gmock/gmock.h>
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
  // Valid: ASCII with NUL and DEL, two-, three- and four-byte forms, the last code point.
  const std::string valid = std::string("a\0\x7F", 3) + "\xC3\xA9\xE2\x82\xAC\xF4\x8F\xBF\xBF";
  EXPECT_EQ(RepairUtf8(valid), valid);
  // An item in the system's 8-bit form: converted where the system has a code page (Windows),
  // repaired where file names are bytes.
  EXPECT_THAT(TextForRemote("caf\xE9.avi"),
              ::testing::AnyOf("caf\xC3\xA9.avi", "caf" + kFffd + ".avi"));
  // Overlong, a surrogate, past U+10FFFF, no lead byte; cut short in the middle and at the end.
  EXPECT_EQ(RepairUtf8("\xC0\xAF|\xED\xA0\x80|\xF4\x90\x80\x80|\xF5|\xE2\x82y|x\xE2\x82"),
            kFffd + kFffd + "|" + kFffd + kFffd + kFffd + "|" + kFffd + kFffd + kFffd + kFffd +
                "|" + kFffd + "|" + kFffd + kFffd + "y|x" + kFffd + kFffd);
}

TEST(RemoteReplies, JsonEscapesOddTextsAndStaysValid) {
  EXPECT_EQ(StateJson(Sample()),
            "{\"position\":2,\"count\":3,\"current\":\"b \\\"two\\\".avi\","
            "\"next\":\"c\\\\three.avi\",\"playing\":true,\"playingForMs\":1500,"
            "\"continuous\":true,\"loopAll\":false,\"message\":null}");
  RemoteState odd;
  odd.currentItem = std::string("a\tb\x01\x7F\0z\xFF", 8);
  odd.message = "It failed:\r\n";
  const std::string json = StateJson(odd);
  EXPECT_NE(json.find("\"current\":\"a\\tb\\u0001\\u007f\\u0000z"), std::string::npos) << json;
  EXPECT_EQ(RepairUtf8(json), json);
  EXPECT_NE(json.find("\"message\":\"It failed:\\r\\n\"}"), std::string::npos) << json;
  EXPECT_EQ(ResultJson("state", {true, "", Sample()}),
            "{\"command\":\"state\",\"done\":true,\"reason\":\"\",\"state\":" +
                StateJson(Sample()) + "}");
}

TEST(RemoteReplies, StateAsOscIsOneFieldAMessageWithNoNulInsideAString) {
  RemoteState state = Sample();
  state.currentItem = std::string("a\0b", 3);
  state.playingFor = std::chrono::hours(24 * 30);  // past int32's milliseconds
  const std::string p = "/quadrel/reply/state/";
  const std::vector<OscMessage> expected = {
      {p + "position", {int32_t{2}}},       {p + "count", {int32_t{3}}},
      {p + "current", {"a" + kFffd + "b"}}, {p + "next", {std::string("c\\three.avi")}},
      {p + "playing", {int32_t{1}}},        {p + "playing-for", {int32_t{2147483647}}},
      {p + "continuous", {int32_t{1}}},     {p + "loop-all", {int32_t{0}}},
      {p + "message", {std::string()}},
  };
  EXPECT_EQ(StateOscMessages(state), expected);
  EXPECT_EQ(OscReply("", {false, "no such command: /x\xFF", std::nullopt}),
            (OscMessage{"/quadrel/reply/error",
                        {std::string("refused"), "no such command: /x" + kFffd}}));
}
