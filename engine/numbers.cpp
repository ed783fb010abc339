#include "numbers.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>

namespace velmora {

namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}
bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

std::string_view TrimBlanks(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

std::size_t CountDigits(std::string_view text, std::size_t from) {
  std::size_t end = from;
  while (end < text.size() && IsDigit(text[end])) ++end;
  return end - from;
}

// Decimal exponent of the leading non-zero digit, or nullopt-like false when all digits are 0.
bool LeadingDigitExponent(const DecimalText& d, long long& exponent) {
  const std::string_view parts[2] = {d.integerDigits, d.fractionDigits};
  long long position = static_cast<long long>(d.integerDigits.size()) - 1;
  for (std::string_view part : parts) {
    for (char c : part) {
      if (c != '0') {
        exponent = position + d.exponent;
        return true;
      }
      --position;
    }
  }
  return false;
}

constexpr std::array<double, 16> kPowersOfTen = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                                 1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};

}  // namespace

bool ParseDecimalText(std::string_view text, DecimalText& parsed) {
  text = TrimBlanks(text);
  std::size_t i = 0;
  parsed = DecimalText{};
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    parsed.negative = text[i] == '-';
    ++i;
  }
  parsed.magnitude = text.substr(i);
  const std::size_t integerCount = CountDigits(text, i);
  parsed.integerDigits = text.substr(i, integerCount);
  i += integerCount;
  if (i < text.size() && text[i] == '.') {
    ++i;
    const std::size_t fractionCount = CountDigits(text, i);
    parsed.fractionDigits = text.substr(i, fractionCount);
    i += fractionCount;
  }
  if (parsed.integerDigits.empty() && parsed.fractionDigits.empty()) return false;
  if (i < text.size() && (text[i] == 'E' || text[i] == 'e')) {
    ++i;
    bool negativeExponent = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
      negativeExponent = text[i] == '-';
      ++i;
    }
    const std::size_t exponentCount = CountDigits(text, i);
    if (exponentCount == 0) return false;
    long long exponent = 0;
    for (std::size_t k = i; k < i + exponentCount; ++k) {
      if (exponent < kExponentLimit) exponent = exponent * 10 + (text[k] - '0');
    }
    if (exponent > kExponentLimit) exponent = kExponentLimit;
    parsed.exponent = negativeExponent ? -exponent : exponent;
    i += exponentCount;
  }
  return i == text.size();
}

NumberReading ReadNumber(std::string_view text) {
  DecimalText parsed;
  if (!ParseDecimalText(text, parsed)) return {};
  return ReadNumber(parsed);
}

NumberReading ReadNumber(const DecimalText& parsed) {
  // The grammar is checked; from_chars reads exactly that grammar without the sign, correctly
  // rounded and without regard to the locale.
  const std::string_view body = parsed.magnitude;
  double magnitude = 0;
  const auto result = std::from_chars(body.data(), body.data() + body.size(), magnitude);
  if (result.ec == std::errc::result_out_of_range) {
    long long leading = 0;
    if (LeadingDigitExponent(parsed, leading) && leading > 0) {
      return {false, 0, FailureKind::Overflow};
    }
    magnitude = 0;  // below the smallest double
  } else if (result.ec != std::errc() || result.ptr != body.data() + body.size()) {
    return {};
  }
  return {true, parsed.negative ? -magnitude : magnitude, FailureKind::NotANumber};
}

double TextToNumber(std::string_view text) {
  const NumberReading reading = ReadNumber(text);
  if (!reading.ok) throw EvaluationFault{reading.failure};
  return reading.value;
}

std::size_t WriteNumberText(double x, char* out) {
  char* p = out;
  if (x == 0) {
    *p++ = '0';
    return 1;
  }
  if (std::isnan(x) || std::isinf(x)) {
    const std::string_view word = std::isnan(x) ? "NaN" : x < 0 ? "-Inf" : "Inf";
    return static_cast<std::size_t>(std::copy(word.begin(), word.end(), p) - out);
  }
  if (x < 0) {
    *p++ = '-';
    x = -x;
  }

  // The significant digits and the decimal exponent of x rounded to fifteen digits. The shortest
  // text that reads back as x is that rounding whenever it has fifteen digits or fewer: x lies
  // within half a unit in the last place of it, less than half a unit in the fifteenth digit.
  // Only longer shortest forms, and subnormal values, whose unit in the last place is no longer
  // relative to their size, need the slower rounding to a fixed precision.
  char buffer[40];
  auto result = std::to_chars(buffer, buffer + sizeof buffer, x, std::chars_format::scientific);
  std::size_t mantissaEnd = static_cast<std::size_t>(std::find(buffer, result.ptr, 'e') - buffer);
  // More than fifteen digits besides the point, or subnormal.
  if (mantissaEnd > 16 || x < std::numeric_limits<double>::min()) {
    result = std::to_chars(buffer, buffer + sizeof buffer, x, std::chars_format::scientific, 14);
    mantissaEnd = static_cast<std::size_t>(std::find(buffer, result.ptr, 'e') - buffer);
  }
  char digits[16];
  std::size_t digitCount = 0;
  for (std::size_t i = 0; i < mantissaEnd; ++i) {
    if (buffer[i] != '.') digits[digitCount++] = buffer[i];
  }
  while (digitCount > 1 && digits[digitCount - 1] == '0') --digitCount;
  int exponent = 0;
  const char* exponentStart = buffer + mantissaEnd + 1;
  if (*exponentStart == '+') ++exponentStart;
  std::from_chars(exponentStart, result.ptr, exponent);
  // The largest doubles round to 1.79769313486232E+308, beyond the double range: such a text
  // would not read back. They are written one unit lower in the fifteenth digit.
  constexpr std::string_view kBeyondRange = "179769313486232";
  if (exponent == 308 && std::string_view(digits, digitCount) == kBeyondRange) {
    digits[digitCount - 1] = '1';
  }

  if (exponent < -4 || exponent >= 15) {
    *p++ = digits[0];
    if (digitCount > 1) {
      *p++ = '.';
      p = std::copy(digits + 1, digits + digitCount, p);
    }
    *p++ = 'E';
    *p++ = exponent < 0 ? '-' : '+';
    const int magnitude = exponent < 0 ? -exponent : exponent;
    if (magnitude < 10) *p++ = '0';
    p = std::to_chars(p, p + 4, magnitude).ptr;
  } else if (exponent < 0) {
    *p++ = '0';
    *p++ = '.';
    p = std::fill_n(p, -exponent - 1, '0');
    p = std::copy(digits, digits + digitCount, p);
  } else {
    const std::size_t wholeCount = static_cast<std::size_t>(exponent) + 1;
    if (digitCount <= wholeCount) {
      p = std::copy(digits, digits + digitCount, p);
      p = std::fill_n(p, wholeCount - digitCount, '0');
    } else {
      p = std::copy(digits, digits + wholeCount, p);
      *p++ = '.';
      p = std::copy(digits + wholeCount, digits + digitCount, p);
    }
  }
  return static_cast<std::size_t>(p - out);
}

std::string NumberToText(double x) {
  char text[kNumberTextCapacity];
  return std::string(text, WriteNumberText(x, text));
}

double TruncateTowardZero(double x) {
  return std::trunc(x);
}

namespace {

// The whole number nearest to x, ties to the even one; independent of the rounding mode.
double RoundToEvenWhole(double x) {
  double whole = std::floor(x);
  const double fraction = x - whole;  // exact: x and its floor are within one unit
  if (fraction > 0.5 || (fraction == 0.5 && std::fmod(whole, 2) != 0)) whole += 1;
  return whole;
}

// Below this many units of the last decimal a rounded value is written from its integer units.
constexpr double kUnitsWrittenExactly = 1e15;

}  // namespace

double RoundHalfEven(double x, int decimals) {
  const double scale = kPowersOfTen[static_cast<std::size_t>(decimals)];
  // A magnitude whose product would overflow has no decimals left to round.
  if (std::fabs(x) > std::numeric_limits<double>::max() / scale) return x;
  return RoundToEvenWhole(x * scale) / scale;
}

std::size_t WriteRoundedNumberText(double x, int decimals, char* out) {
  const double scale = kPowersOfTen[static_cast<std::size_t>(decimals)];
  if (std::fabs(x) > std::numeric_limits<double>::max() / scale) return WriteNumberText(x, out);
  const double units = RoundToEvenWhole(x * scale);
  if (!(std::fabs(units) < kUnitsWrittenExactly)) return WriteNumberText(units / scale, out);
  // The rounded value is the double nearest to units / 10^decimals, a decimal of at most fifteen
  // digits; rounded to fifteen digits that double gives back exactly this decimal, so its digits
  // can be written from the integer units without the general conversion.
  if (units == 0) {
    out[0] = '0';
    return 1;
  }
  char* p = out;
  if (units < 0) *p++ = '-';
  const auto magnitude = static_cast<std::uint64_t>(std::fabs(units));
  const auto divisor = static_cast<std::uint64_t>(scale);
  p = std::to_chars(p, p + 16, magnitude / divisor).ptr;
  std::uint64_t fraction = magnitude % divisor;
  if (fraction != 0) {
    int places = decimals;
    while (fraction % 10 == 0) {
      fraction /= 10;
      --places;
    }
    *p++ = '.';
    char digits[16];
    const std::size_t count =
        static_cast<std::size_t>(std::to_chars(digits, digits + 16, fraction).ptr - digits);
    p = std::fill_n(p, static_cast<std::size_t>(places) - count, '0');
    p = std::copy(digits, digits + count, p);
  }
  return static_cast<std::size_t>(p - out);
}

}  // namespace velmora
