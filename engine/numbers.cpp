#include "numbers.h"

#include <array>
#include <charconv>
#include <cmath>
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
  // The grammar is checked; from_chars reads exactly that grammar without the sign, correctly
  // rounded and without regard to the locale.
  std::string_view body = TrimBlanks(text);
  if (body.front() == '+' || body.front() == '-') body.remove_prefix(1);
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

std::string NumberToText(double x) {
  if (x == 0) return "0";
  if (std::isnan(x)) return "NaN";
  if (std::isinf(x)) return x < 0 ? "-Inf" : "Inf";

  // d.dddddddddddddde+XX: fifteen significant digits, correctly rounded.
  char buffer[40];
  const auto result =
      std::to_chars(buffer, buffer + sizeof buffer, x, std::chars_format::scientific, 14);
  std::string_view scientific(buffer, static_cast<std::size_t>(result.ptr - buffer));
  const bool negative = scientific.front() == '-';
  if (negative) scientific.remove_prefix(1);
  const std::size_t e = scientific.find('e');
  std::string digits;
  digits += scientific[0];
  digits += scientific.substr(2, e - 2);
  int exponent = 0;
  std::from_chars(scientific.data() + e + (scientific[e + 1] == '+' ? 2 : 1),
                  scientific.data() + scientific.size(), exponent);
  while (digits.size() > 1 && digits.back() == '0') digits.pop_back();

  std::string text = negative ? "-" : "";
  if (exponent < -4 || exponent >= 15) {
    text += digits[0];
    if (digits.size() > 1) {
      text += '.';
      text.append(digits, 1);
    }
    text += exponent < 0 ? "E-" : "E+";
    const int magnitude = exponent < 0 ? -exponent : exponent;
    if (magnitude < 10) text += '0';
    text += std::to_string(magnitude);
  } else if (exponent < 0) {
    text += "0.";
    text.append(static_cast<std::size_t>(-exponent - 1), '0');
    text += digits;
  } else {
    const std::size_t wholeCount = static_cast<std::size_t>(exponent) + 1;
    if (digits.size() <= wholeCount) {
      text += digits;
      text.append(wholeCount - digits.size(), '0');
    } else {
      text.append(digits, 0, wholeCount);
      text += '.';
      text.append(digits, wholeCount);
    }
  }
  return text;
}

double TruncateTowardZero(double x) {
  return std::trunc(x);
}

double RoundHalfEven(double x, int decimals) {
  const double scale = kPowersOfTen[static_cast<std::size_t>(decimals)];
  // A magnitude whose product would overflow has no decimals left to round.
  if (std::fabs(x) > std::numeric_limits<double>::max() / scale) return x;
  const double product = x * scale;
  double rounded = std::floor(product);
  const double fraction = product - rounded;  // exact: both lie in the same binade or closer
  if (fraction > 0.5 || (fraction == 0.5 && std::fmod(rounded, 2) != 0)) rounded += 1;
  return rounded / scale;
}

}  // namespace velmora
