#include "angle_conversion.h"

#include <charconv>
#include <cstdint>
#include <string>

#include "constants.h"
#include "numbers.h"

namespace velmora {

namespace {

// Digit k of the text's digit string: the digits before the point, then those after it.
char DigitAt(const DecimalText& d, std::size_t k) {
  const std::size_t integerCount = d.integerDigits.size();
  return k < integerCount ? d.integerDigits[k] : d.fractionDigits[k - integerCount];
}

// The whole part, toward zero, of the text's value times 10^shift, taken on its decimal digits
// (so 100 x "2.3" is exactly 230), then rounded to the nearest double.
double WholePartShifted(const DecimalText& d, int shift) {
  const std::size_t count = d.integerDigits.size() + d.fractionDigits.size();
  std::size_t first = 0;  // leading zeros carry no value
  while (first < count && DigitAt(d, first) == '0') ++first;
  if (first == count) return 0;
  // Number of digits, from the first non-zero one, that stand before the shifted decimal point.
  const long long wholeCount = static_cast<long long>(d.integerDigits.size()) + d.exponent + shift -
                               static_cast<long long>(first);
  if (wholeCount <= 0) return 0;
  const auto digit = [&](long long k) {
    const std::size_t at = first + static_cast<std::size_t>(k);
    return at < count ? DigitAt(d, at) : '0';
  };
  // Up to fifteen digits the whole part is exact in a 64-bit integer and in a double.
  if (wholeCount <= 15) {
    std::uint64_t whole = 0;
    for (long long k = 0; k < wholeCount; ++k) whole = whole * 10 + (digit(k) - '0');
    return static_cast<double>(whole);
  }
  // The text has passed TextToNumber, so its value is below 1.8E+308 and wholeCount below 330.
  std::string whole(static_cast<std::size_t>(wholeCount), '0');
  for (long long k = 0; k < wholeCount; ++k) whole[static_cast<std::size_t>(k)] = digit(k);
  double value = 0;
  const auto result = std::from_chars(whole.data(), whole.data() + whole.size(), value);
  if (result.ec != std::errc()) throw EvaluationFault{FailureKind::Overflow};
  return value;
}

}  // namespace

double DmsToDegrees(std::string_view text) {
  DecimalText parsed;
  if (!ParseDecimalText(text, parsed)) throw EvaluationFault{FailureKind::NotANumber};
  const NumberReading reading = ReadNumber(parsed);
  if (!reading.ok) throw EvaluationFault{reading.failure};
  const double B = reading.value;
  double D = WholePartShifted(parsed, 0);
  double F = WholePartShifted(parsed, 2);
  if (parsed.negative) {
    D = -D;
    F = -F;
  }
  const double H = 10000 * B;
  const double t1 = 100 * D;
  const double t2 = F - t1;  // whole minutes
  const double t3 = t2 / MinutesPerDegree;
  const double t4 = D + t3;
  const double t5 = 100 * F;
  const double t6 = H - t5;  // seconds with their fraction
  const double t7 = t6 / SecondsPerDegree;
  return t4 + t7;
}

}  // namespace velmora
