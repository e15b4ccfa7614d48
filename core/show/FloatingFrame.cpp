#include "core/show/FloatingFrame.h"

#include <bit>
#include <limits>

#include "base/AppError.h"
#include "core/show/FloatingNumber.h"

namespace {

constexpr int64_t kMax = std::numeric_limits<int64_t>::max();
constexpr int64_t kMin = std::numeric_limits<int64_t>::min();

int64_t SaturatingAdd(int64_t a, int64_t b) {
  if (b > 0 && a > kMax - b) return kMax;
  if (b < 0 && a < kMin - b) return kMin;
  return a + b;
}

int64_t SaturatingNegate(int64_t a) {
  return a == kMin ? kMax : -a;
}

int64_t SaturatingMultiply(int64_t a, int64_t b) {
  if (a == 0 || b == 0) return 0;
  const bool negative = (a < 0) != (b < 0);
  const uint64_t ua = a < 0 ? 0 - static_cast<uint64_t>(a) : static_cast<uint64_t>(a);
  const uint64_t ub = b < 0 ? 0 - static_cast<uint64_t>(b) : static_cast<uint64_t>(b);
  if (ua > static_cast<uint64_t>(kMax) / ub) return negative ? kMin : kMax;
  const int64_t product = static_cast<int64_t>(ua * ub);
  return negative ? -product : product;
}

int64_t FloorHalf(int64_t value) {
  return value >= 0 ? value / 2 : -((1 - value) / 2);
}

// numerator / denominator (denominator > 0) rounded to the nearest integer, ties to even.
int64_t DivideRoundHalfEven(int64_t numerator, int64_t denominator) {
  int64_t quotient = numerator / denominator;
  int64_t remainder = numerator % denominator;  // same sign as the numerator
  if (remainder < 0) {
    --quotient;
    remainder += denominator;
  }
  // Now numerator = quotient × denominator + remainder with 0 <= remainder < denominator.
  const int64_t twice = 2 * remainder;
  if (twice > denominator || (twice == denominator && (quotient & 1) != 0)) ++quotient;
  return quotient;
}

}  // namespace

int64_t FloatingFrameTenths(double percent) {
  const uint64_t bits = std::bit_cast<uint64_t>(percent);
  const bool negative = (bits >> 63) != 0;
  const int biased = static_cast<int>((bits >> 52) & 0x7ff);
  const uint64_t fraction = bits & ((uint64_t{1} << 52) - 1);
  if (biased == 0x7ff) {  // infinity or not a number: no conversion makes these
    if (fraction != 0) return 0;
    return negative ? kMin : kMax;
  }
  // percent = significand × 2^exponent exactly.
  const uint64_t significand = biased == 0 ? fraction : fraction | (uint64_t{1} << 52);
  const int exponent = (biased == 0 ? 1 : biased) - 1075;
  const uint64_t product = significand * 10;  // below 2^57: exact
  uint64_t magnitude = 0;
  if (product == 0) {
    magnitude = 0;
  } else if (exponent >= 0) {
    if (std::bit_width(product) + exponent > 63) return negative ? kMin : kMax;
    magnitude = product << exponent;
  } else if (-exponent >= 58) {
    magnitude = 0;  // product × 2^exponent < 2^57 × 2^-58 = 1/2
  } else {
    const int shift = -exponent;
    const uint64_t whole = product >> shift;
    const uint64_t rest = product & ((uint64_t{1} << shift) - 1);
    const uint64_t half = uint64_t{1} << (shift - 1);
    magnitude = whole + ((rest > half || (rest == half && (whole & 1) != 0)) ? 1 : 0);
  }
  return negative ? -static_cast<int64_t>(magnitude) : static_cast<int64_t>(magnitude);
}

int64_t FloatingFrameInset(int64_t tenths, int width) {
  // tenths × width / 2000 = whole × width + part × width / 2000, with whole × width an integer,
  // so rounding the second term alone rounds the sum; part × width stays below 2^42.
  const int64_t whole = tenths / 2000;
  const int64_t part = tenths % 2000;
  return SaturatingAdd(SaturatingMultiply(whole, width), DivideRoundHalfEven(part * width, 2000));
}

FloatingFrameResult ComputeFloatingFrame(const std::string& valueText, char decimalSeparator,
                                         int width, int height) {
  FloatingFrameResult result;
  const std::optional<double> percent = ParseFloatingNumber(valueText, decimalSeparator);
  if (!percent) {
    result.error = InvalidFloatText(valueText);
    return result;
  }
  FloatingFrameGeometry g;
  g.percent = *percent;
  g.frameTenths = FloatingFrameTenths(g.percent);
  g.frameInset = FloatingFrameInset(g.frameTenths, width);
  g.halfWidth = FloorHalf(width);
  // The branch follows the tenths: a small negative value whose inset rounds to 0 pixels still
  // moves the lines to the outer edges.
  if (g.frameTenths >= 0) {
    g.rectangleLeftL = 0;
    g.lineLeftL = g.halfWidth - 1;
    g.rectangleLeftR = SaturatingAdd(g.halfWidth, g.frameInset);
    g.lineLeftR = g.halfWidth;
  } else {
    g.rectangleLeftL = SaturatingNegate(g.frameInset);
    g.lineLeftL = 0;
    g.rectangleLeftR = g.halfWidth;
    g.lineLeftR = int64_t{width} - 1;
  }
  const int64_t insetSize = g.frameInset < 0 ? SaturatingNegate(g.frameInset) : g.frameInset;
  g.rectangleWidth = SaturatingAdd(g.halfWidth, SaturatingNegate(insetSize));
  g.lineHeight = height;
  result.geometry = g;
  return result;
}
