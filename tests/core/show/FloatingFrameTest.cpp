#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

#include "core/show/FloatingFrame.h"

namespace {

FloatingFrameGeometry Layout(const std::string& text, int width, int height = 1080,
                             char separator = '.') {
  const FloatingFrameResult result = ComputeFloatingFrame(text, separator, width, height);
  EXPECT_TRUE(result.geometry.has_value()) << text << ": " << result.error;
  return result.geometry.value_or(FloatingFrameGeometry{});
}

constexpr int64_t kMax = std::numeric_limits<int64_t>::max();
constexpr int64_t kMin = std::numeric_limits<int64_t>::min();

}  // namespace

TEST(ComputeFloatingFrame, FullHdTable) {
  struct Row {
    const char* text;
    int64_t tenths, inset, rectLeftL, width, lineLeftL, rectLeftR, lineLeftR;
  };
  for (const Row& row :
       {Row{"0", 0, 0, 0, 960, 959, 960, 960}, Row{"5", 50, 48, 0, 912, 959, 1008, 960},
        Row{"-5", -50, -48, 48, 912, 0, 960, 1919}}) {
    SCOPED_TRACE(row.text);
    const FloatingFrameGeometry g = Layout(row.text, 1920, 1080);
    EXPECT_EQ(g.frameTenths, row.tenths);
    EXPECT_EQ(g.frameInset, row.inset);
    EXPECT_EQ(g.rectangleLeftL, row.rectLeftL);
    EXPECT_EQ(g.rectangleWidth, row.width);
    EXPECT_EQ(g.lineLeftL, row.lineLeftL);
    EXPECT_EQ(g.rectangleLeftR, row.rectLeftR);
    EXPECT_EQ(g.lineLeftR, row.lineLeftR);
    EXPECT_EQ(g.lineHeight, 1080);
    EXPECT_EQ(g.halfWidth, 960);
  }
}

TEST(ComputeFloatingFrame, RoundsTenthsAndInsetHalfToEven) {
  FloatingFrameGeometry g = Layout("0.25", 800);  // 2.5 tenths -> 2; 0.8 pixels -> 1
  EXPECT_EQ(g.frameTenths, 2);
  EXPECT_EQ(g.frameInset, 1);
  EXPECT_EQ(g.rectangleLeftR, 401);
  EXPECT_EQ(g.rectangleWidth, 399);

  g = Layout("0.35", 800);  // just below 3.5 tenths -> 3; 1.2 pixels -> 1
  EXPECT_EQ(g.frameTenths, 3);
  EXPECT_EQ(g.frameInset, 1);

  g = Layout("0.45", 800);  // the 64-bit 0.45 lies just above 0.45: 4.5000...01 tenths -> 5
  EXPECT_EQ(g.frameTenths, 5);
  EXPECT_EQ(g.frameInset, 2);

  g = Layout("0.5", 1000);  // 2.5 pixels -> 2
  EXPECT_EQ(g.frameTenths, 5);
  EXPECT_EQ(g.frameInset, 2);
  EXPECT_EQ(g.rectangleLeftR, 502);
  EXPECT_EQ(g.rectangleWidth, 498);

  g = Layout("1.5", 1000);  // 7.5 pixels -> 8
  EXPECT_EQ(g.frameInset, 8);

  g = Layout("-0.25", 1000);  // -2.5 tenths -> -2; -1 pixel
  EXPECT_EQ(g.frameTenths, -2);
  EXPECT_EQ(g.frameInset, -1);

  g = Layout("-0.5", 1000);  // -2.5 pixels -> -2
  EXPECT_EQ(g.frameInset, -2);
  EXPECT_EQ(g.rectangleLeftL, 2);
  EXPECT_EQ(g.rectangleWidth, 498);
}

TEST(ComputeFloatingFrame, BranchFollowsTheTenthsNotTheInset) {
  FloatingFrameGeometry g = Layout("-0.1", 800);  // -1 tenth, -0.4 pixels -> 0
  EXPECT_EQ(g.frameTenths, -1);
  EXPECT_EQ(g.frameInset, 0);
  EXPECT_EQ(g.rectangleLeftL, 0);
  EXPECT_EQ(g.rectangleWidth, 400);
  EXPECT_EQ(g.lineLeftL, 0);
  EXPECT_EQ(g.rectangleLeftR, 400);
  EXPECT_EQ(g.lineLeftR, 799);

  g = Layout("-0.04", 800);  // -0.4 tenths rounds to 0: the inner branch
  EXPECT_EQ(g.frameTenths, 0);
  EXPECT_EQ(g.lineLeftL, 399);
  EXPECT_EQ(g.lineLeftR, 400);

  g = Layout("-0", 800);
  EXPECT_EQ(g.frameTenths, 0);
  EXPECT_EQ(g.lineLeftL, 399);
}

TEST(ComputeFloatingFrame, OddWidthsHalveDownward) {
  const FloatingFrameGeometry g = Layout("0", 801, 601);
  EXPECT_EQ(g.halfWidth, 400);
  EXPECT_EQ(g.lineLeftL, 399);
  EXPECT_EQ(g.rectangleLeftR, 400);
  EXPECT_EQ(g.rectangleWidth, 400);
  EXPECT_EQ(g.lineHeight, 601);
  const FloatingFrameGeometry n = Layout("-1", 801);
  EXPECT_EQ(n.lineLeftR, 800);
}

TEST(ComputeFloatingFrame, UsesTheGivenSeparator) {
  const FloatingFrameGeometry g = Layout("0,5", 1000, 1080, ',');
  EXPECT_EQ(g.frameTenths, 5);
  const FloatingFrameResult dot = ComputeFloatingFrame("0.5", ',', 1000, 1080);
  EXPECT_FALSE(dot.geometry);
  EXPECT_EQ(dot.error, "'0.5' is not a valid floating point value");
}

TEST(ComputeFloatingFrame, ReportsTextsThatAreNoNumber) {
  for (const char* text : {"abc", "", "1e400", " 5 %"}) {
    const FloatingFrameResult r = ComputeFloatingFrame(text, '.', 1920, 1080);
    EXPECT_FALSE(r.geometry) << text;
    EXPECT_EQ(r.error, "'" + std::string(text) + "' is not a valid floating point value");
  }
  const FloatingFrameResult spaced = ComputeFloatingFrame(" 5e-1 ", '.', 1920, 1080);
  ASSERT_TRUE(spaced.geometry);
  EXPECT_EQ(spaced.geometry->percent, 0.5);
  EXPECT_TRUE(spaced.error.empty());
}

TEST(ComputeFloatingFrame, LargeValuesStayExactIn64Bits) {
  // 10^7 percent: tenths × W = 1.92e11 is beyond 32 bits.
  FloatingFrameGeometry g = Layout("10000000", 1920);
  EXPECT_EQ(g.frameTenths, 100000000);
  EXPECT_EQ(g.frameInset, 96000000);
  EXPECT_EQ(g.rectangleLeftR, 96000960);
  EXPECT_EQ(g.rectangleWidth, 960 - 96000000);  // below zero: drawn as zero

  g = Layout("-150", 1920);  // the strip is wider than the half
  EXPECT_EQ(g.frameInset, -1440);
  EXPECT_EQ(g.rectangleLeftL, 1440);
  EXPECT_EQ(g.rectangleWidth, -480);

  g = Layout("100", 1920);  // exactly the half: zero width
  EXPECT_EQ(g.rectangleWidth, 0);

  // 9.2e17 percent: 10 × the value still fits 64 bits, and so does the inset.
  g = Layout("920000000000000000", 1920);
  EXPECT_EQ(g.frameTenths, 9200000000000000000);
  EXPECT_EQ(g.frameInset, 8832000000000000000);
  EXPECT_EQ(g.rectangleLeftR, 8832000000000000960);
  EXPECT_EQ(g.rectangleWidth, 960 - 8832000000000000000);

  // Beyond 64 bits the tenths and what follows from them are held at the limits.
  g = Layout("1e18", 2147483647, 2147483647);
  EXPECT_EQ(g.frameTenths, kMax);
  EXPECT_EQ(g.frameInset, kMax);
  EXPECT_EQ(g.rectangleLeftR, kMax);
  EXPECT_EQ(g.rectangleWidth, 1073741823 - kMax);
  EXPECT_EQ(g.lineHeight, 2147483647);

  g = Layout("-1e300", 1920);
  EXPECT_EQ(g.frameTenths, kMin);
  EXPECT_EQ(g.frameInset, -8854437155380584776);
  EXPECT_EQ(g.rectangleLeftL, 8854437155380584776);
  EXPECT_EQ(g.rectangleWidth, 960 - 8854437155380584776);
  EXPECT_EQ(g.lineLeftR, 1919);

  g = Layout("1e-300", 1920);
  EXPECT_EQ(g.frameTenths, 0);
}

TEST(FloatingFrameTenths, ExactProductRoundedHalfToEven) {
  EXPECT_EQ(FloatingFrameTenths(0.25), 2);
  EXPECT_EQ(FloatingFrameTenths(0.75), 8);
  EXPECT_EQ(FloatingFrameTenths(-0.25), -2);
  EXPECT_EQ(FloatingFrameTenths(-0.75), -8);
  EXPECT_EQ(FloatingFrameTenths(0.35), 3);  // 3.4999999999999997779...
  EXPECT_EQ(FloatingFrameTenths(-0.35), -3);
  EXPECT_EQ(FloatingFrameTenths(0.05), 1);  // 0.50000000000000002776: above the tie
  EXPECT_EQ(FloatingFrameTenths(0.45), 5);  // 4.5000000000000001110
  EXPECT_EQ(FloatingFrameTenths(0.15), 1);  // 1.4999999999999999445
  EXPECT_EQ(FloatingFrameTenths(4.9406564584124654e-324), 0);
  EXPECT_EQ(FloatingFrameTenths(12345.6), 123456);
  EXPECT_EQ(FloatingFrameTenths(920000000000000000.0), 9200000000000000000);
  EXPECT_EQ(FloatingFrameTenths(922337203685477580.0), kMax);  // 922337203685477632 × 10
  EXPECT_EQ(FloatingFrameTenths(1e19), kMax);
  EXPECT_EQ(FloatingFrameTenths(-1e19), kMin);
}

TEST(FloatingFrameInset, ExactQuotientRoundedHalfToEven) {
  EXPECT_EQ(FloatingFrameInset(2, 800), 1);         // 0.8
  EXPECT_EQ(FloatingFrameInset(5, 1000), 2);        // 2.5
  EXPECT_EQ(FloatingFrameInset(15, 1000), 8);       // 7.5
  EXPECT_EQ(FloatingFrameInset(-5, 1000), -2);      // -2.5
  EXPECT_EQ(FloatingFrameInset(-15, 1000), -8);     // -7.5
  EXPECT_EQ(FloatingFrameInset(-1, 800), 0);        // -0.4
  EXPECT_EQ(FloatingFrameInset(-3, 1000), -2);      // -1.5
  EXPECT_EQ(FloatingFrameInset(4001, 1000), 2000);  // 2000.5 -> 2000
  EXPECT_EQ(FloatingFrameInset(4003, 1000), 2002);  // 2001.5 -> 2002
  EXPECT_EQ(FloatingFrameInset(123, 0), 0);
  EXPECT_EQ(FloatingFrameInset(kMax, 2147483647), kMax);
  EXPECT_EQ(FloatingFrameInset(kMin, 2147483647), kMin);
  EXPECT_EQ(FloatingFrameInset(kMax, 1000), 4611686018427387904);  // ...903.5 -> ...904
}
