#include "core/show/FloatingNumber.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <vector>

namespace {

// Enough significant digits to decide the rounding of any 64-bit value; the digits beyond them
// only matter as "something non-zero follows".
constexpr size_t kMaxDigits = 800;

// An unsigned integer of any size, least significant 32-bit limb first, no leading zero limbs.
class BigUnsigned {
 public:
  explicit BigUnsigned(uint32_t value = 0) {
    if (value != 0) limbs_.push_back(value);
  }

  bool IsZero() const { return limbs_.empty(); }

  void MultiplyAdd(uint32_t factor, uint32_t addend) {
    uint64_t carry = addend;
    for (uint32_t& limb : limbs_) {
      const uint64_t product = uint64_t{limb} * factor + carry;
      limb = static_cast<uint32_t>(product);
      carry = product >> 32;
    }
    if (carry != 0) limbs_.push_back(static_cast<uint32_t>(carry));
  }

  void MultiplyByPowerOfTen(int64_t exponent) {
    for (; exponent >= 9; exponent -= 9) MultiplyAdd(1000000000u, 0);
    for (; exponent > 0; --exponent) MultiplyAdd(10u, 0);
  }

  int64_t BitLength() const {
    if (limbs_.empty()) return 0;
    return int64_t{32} * static_cast<int64_t>(limbs_.size() - 1) + std::bit_width(limbs_.back());
  }

  BigUnsigned ShiftedLeft(int64_t bits) const {
    BigUnsigned result;
    if (IsZero()) return result;
    const size_t whole = static_cast<size_t>(bits / 32);
    const unsigned part = static_cast<unsigned>(bits % 32);
    result.limbs_.assign(whole, 0);
    uint32_t carry = 0;
    for (uint32_t limb : limbs_) {
      result.limbs_.push_back(part == 0 ? limb : (limb << part) | carry);
      carry = part == 0 ? 0 : limb >> (32 - part);
    }
    if (carry != 0) result.limbs_.push_back(carry);
    return result;
  }

  // this -= other; requires this >= other.
  void Subtract(const BigUnsigned& other) {
    int64_t borrow = 0;
    for (size_t i = 0; i < limbs_.size(); ++i) {
      int64_t value = int64_t{limbs_[i]} - borrow - (i < other.limbs_.size() ? other.limbs_[i] : 0);
      borrow = value < 0 ? 1 : 0;
      if (value < 0) value += int64_t{1} << 32;
      limbs_[i] = static_cast<uint32_t>(value);
    }
    while (!limbs_.empty() && limbs_.back() == 0) limbs_.pop_back();
  }

  friend int Compare(const BigUnsigned& a, const BigUnsigned& b) {
    if (a.limbs_.size() != b.limbs_.size()) return a.limbs_.size() < b.limbs_.size() ? -1 : 1;
    for (size_t i = a.limbs_.size(); i-- > 0;) {
      if (a.limbs_[i] != b.limbs_[i]) return a.limbs_[i] < b.limbs_[i] ? -1 : 1;
    }
    return 0;
  }

 private:
  std::vector<uint32_t> limbs_;
};

// floor(numerator / denominator) when it is known to be below 2^64; `inexact` tells whether a
// remainder was left.
uint64_t DivideToWord(BigUnsigned numerator, const BigUnsigned& denominator, bool& inexact) {
  uint64_t quotient = 0;
  for (int bit = 63; bit >= 0; --bit) {
    const BigUnsigned step = denominator.ShiftedLeft(bit);
    if (Compare(numerator, step) >= 0) {
      numerator.Subtract(step);
      quotient |= uint64_t{1} << bit;
    }
  }
  inexact = !numerator.IsZero();
  return quotient;
}

// The nearest 64-bit value to digits × 10^exponent (digits without leading zeros, not empty),
// or empty when that value is beyond the largest finite one.
std::optional<double> DecimalToDouble(const std::string& digits, int64_t exponent) {
  const int64_t count = static_cast<int64_t>(digits.size());
  // The value lies in [10^(count+exponent-1), 10^(count+exponent)).
  if (count + exponent - 1 > 309) return std::nullopt;
  if (count + exponent < -325) return 0.0;  // below half the smallest subnormal value

  BigUnsigned numerator;
  for (char digit : digits) numerator.MultiplyAdd(10, static_cast<uint32_t>(digit - '0'));
  BigUnsigned denominator(1);
  if (exponent >= 0) {
    numerator.MultiplyByPowerOfTen(exponent);
  } else {
    denominator.MultiplyByPowerOfTen(-exponent);
  }

  // Scale by 2^shift so that the quotient has 63 or 64 bits.
  const int64_t shift = 63 - numerator.BitLength() + denominator.BitLength();
  bool inexact = false;
  const uint64_t quotient = shift >= 0
                                ? DivideToWord(numerator.ShiftedLeft(shift), denominator, inexact)
                                : DivideToWord(numerator, denominator.ShiftedLeft(-shift), inexact);
  const int width = std::bit_width(quotient);
  // The value is quotient × 2^-shift, so its leading bit has the weight 2^top.
  const int64_t top = width - 1 - shift;

  // Keep 53 bits, or fewer where the value falls below the normal range (bits down to 2^-1074).
  const int64_t kept = top >= -1022 ? 53 : top + 1075;
  uint64_t mantissa = 0;
  if (kept > 0) {
    const int dropped = width - static_cast<int>(kept);
    mantissa = quotient >> dropped;
    const uint64_t rest = quotient & ((uint64_t{1} << dropped) - 1);
    const uint64_t half = uint64_t{1} << (dropped - 1);
    if (rest > half || (rest == half && (inexact || (mantissa & 1) != 0))) ++mantissa;
  } else if (kept == 0) {
    // Only the rounding bit at 2^-1075 is left: above the half of 2^-1074 it rounds up.
    const bool aboveHalf = (quotient & ~(uint64_t{1} << (width - 1))) != 0 || inexact;
    mantissa = aboveHalf ? 1 : 0;
  }

  uint64_t bits = 0;
  if (top >= -1022) {
    int64_t biased = top + 1023;
    if (mantissa == (uint64_t{1} << 53)) {
      mantissa >>= 1;
      ++biased;
    }
    if (biased >= 2047) return std::nullopt;
    bits = (static_cast<uint64_t>(biased) << 52) | (mantissa & ((uint64_t{1} << 52) - 1));
  } else {
    // A subnormal value: rounding up to 2^52 lands exactly on the smallest normal encoding.
    bits = mantissa;
  }
  return std::bit_cast<double>(bits);
}

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

}  // namespace

std::optional<double> ParseFloatingNumber(const std::string& text, char decimalSeparator) {
  size_t pos = 0;
  size_t end = text.size();
  while (pos < end && text[pos] == ' ') ++pos;
  while (end > pos && text[end - 1] == ' ') --end;

  bool negative = false;
  if (pos < end && (text[pos] == '+' || text[pos] == '-')) negative = text[pos++] == '-';

  std::string digits;   // significant digits, no leading zeros, at most kMaxDigits + 1
  bool sticky = false;  // a non-zero digit beyond those kept
  int64_t exponent = 0;
  bool anyDigit = false;
  bool separatorSeen = false;
  for (; pos < end; ++pos) {
    const char c = text[pos];
    if (IsDigit(c)) {
      anyDigit = true;
      if (digits.empty() && c == '0') {
        if (separatorSeen) --exponent;
      } else if (digits.size() < kMaxDigits) {
        digits.push_back(c);
        if (separatorSeen) --exponent;
      } else {
        if (c != '0') sticky = true;
        if (!separatorSeen) ++exponent;
      }
    } else if (c == decimalSeparator && !separatorSeen) {
      separatorSeen = true;
    } else {
      break;
    }
  }
  if (!anyDigit) return std::nullopt;

  if (pos < end && (text[pos] == 'e' || text[pos] == 'E')) {
    ++pos;
    bool negativeExponent = false;
    if (pos < end && (text[pos] == '+' || text[pos] == '-')) negativeExponent = text[pos++] == '-';
    if (pos == end || !IsDigit(text[pos])) return std::nullopt;
    // Exponents this large already decide overflow or zero; holding them at the limit keeps
    // the arithmetic below from overflowing.
    constexpr int64_t kExponentLimit = 1000000000;
    int64_t written = 0;
    for (; pos < end && IsDigit(text[pos]); ++pos) {
      written = std::min(kExponentLimit, written * 10 + (text[pos] - '0'));
    }
    exponent += negativeExponent ? -written : written;
  }
  if (pos != end) return std::nullopt;

  if (digits.empty()) return negative ? -0.0 : 0.0;
  if (sticky) {
    // A non-zero digit past the kept ones stands for everything that followed them.
    digits.push_back('1');
    --exponent;
  }
  const std::optional<double> magnitude = DecimalToDouble(digits, exponent);
  if (!magnitude) return std::nullopt;
  return negative ? -*magnitude : *magnitude;
}
