#include "core/remote/OscCodec.h"

#include <gtest/gtest.h>

namespace {

std::string Word(uint32_t value) {
  return {static_cast<char>(value >> 24), static_cast<char>(value >> 16),
          static_cast<char>(value >> 8), static_cast<char>(value)};
}

std::string Bundle(const std::vector<std::string>& elements) {
  std::string bytes("#bundle\0", 8);
  bytes += std::string(7, '\0') + '\1';  // "immediately"
  for (const std::string& element : elements) bytes += Word(element.size()) + element;
  return bytes;
}

const OscMessage kGoTo{"/quadrel/goto", {int32_t{3}}};
const OscMessage kNext{"/quadrel/next", {}};

}  // namespace

TEST(OscCodec, MessagesGoThroughLibloAndBackAndBundlesGiveTheirsInOrder) {
  const OscMessage mixed{"/quadrel/reply/state/current", {int32_t{-7}, 2.5f, std::string("ä b")}};
  for (const OscMessage& message : {kGoTo, kNext, mixed}) {
    const std::string bytes = EncodeOscMessage(message);
    ASSERT_EQ(bytes.size() % 4, 0u);
    const OscPacket packet = DecodeOscPacket(bytes);
    EXPECT_TRUE(packet.errors.empty());
    ASSERT_EQ(packet.messages.size(), 1u);
    EXPECT_EQ(packet.messages[0], message);
  }
  const std::string nested =
      Bundle({EncodeOscMessage(kNext), Bundle({EncodeOscMessage(kGoTo)}), Bundle({})});
  const OscPacket packet = DecodeOscPacket(nested);
  EXPECT_TRUE(packet.errors.empty());
  EXPECT_EQ(packet.messages, (std::vector<OscMessage>{kNext, kGoTo}));
}

TEST(OscCodec, BrokenPacketsGiveErrorsAndNoMessages) {
  const std::string goTo = EncodeOscMessage(kGoTo);
  for (const std::string& bytes :
       {std::string(), goTo.substr(0, goTo.size() - 2), std::string("/quadrel/go"),
        std::string("\xff\xfe\x00\x00", 4), Bundle({}).substr(0, 12), Bundle({goTo}).substr(0, 20),
        // an element that claims more than the bundle holds
        std::string("#bundle\0", 8) + std::string(8, '\0') + Word(1024) + goTo}) {
    const OscPacket packet = DecodeOscPacket(bytes);
    EXPECT_TRUE(packet.messages.empty()) << testing::PrintToString(bytes);
    EXPECT_FALSE(packet.errors.empty()) << testing::PrintToString(bytes);
  }
}

TEST(OscCodec, TypesTheRemoteDoesNotReadRefuseTheMessageAndFloodsAreCapped) {
  // "/quadrel/go" with a blob of 4 bytes.
  std::string blob = EncodeOscMessage({"/quadrel/go", {}});
  blob = blob.substr(0, blob.size() - 4) + std::string(",b\0\0", 4) + Word(4) + "abcd";
  const OscPacket refused = DecodeOscPacket(blob);
  EXPECT_TRUE(refused.messages.empty());
  ASSERT_EQ(refused.errors.size(), 1u);
  EXPECT_EQ(refused.errors[0], "/quadrel/go: argument type 'b' is not read by this program");

  // Booleans are a button's state.
  std::string pressed = EncodeOscMessage({"/quadrel/go", {}});
  pressed = pressed.substr(0, pressed.size() - 4) + std::string(",T\0\0", 4);
  EXPECT_EQ(DecodeOscPacket(pressed).messages.at(0).arguments,
            (std::vector<OscArgument>{int32_t{1}}));

  const OscPacket flood = DecodeOscPacket(Bundle(std::vector<std::string>(500, blob)));
  EXPECT_LE(flood.messages.size() + flood.errors.size(), kMaxOscMessagesPerPacket + 1);
  std::string deep = EncodeOscMessage(kNext);
  for (int i = 0; i < 20; ++i) deep = Bundle({deep});
  const OscPacket tooDeep = DecodeOscPacket(deep);
  EXPECT_TRUE(tooDeep.messages.empty());
  EXPECT_EQ(tooDeep.errors, std::vector<std::string>{"bundles nested too deep"});
}
