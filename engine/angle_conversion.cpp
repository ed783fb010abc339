#include "angle_conversion.h"

#include <charconv>
#include <string>

#include "constants.h"
#include "numbers.h"

namespace velmora {

namespace {

// The whole part, toward zero, of the text's value times 10^shift, taken on its decimal digits
// (so 100 x "2.3" is exactly 230), then rounded to the nearest double.
double WholePartShifted(const DecimalText& d, int shift) {
  std::string digits;
  digits.reserve(d.integerDigits.size() + d.fractionDigits.size());
  digits.append(d.integerDigits);
  digits.append(d.fractionDigits);
  const std::size_t firstNonZero = digits.find_first_not_of('0');
  if (firstNonZero == std::string::npos) return 0;
  // Position of the decimal point within `digits` once the exponent and the shift are applied,
  // counted after dropping the leading zeros.
  const long long point = static_cast<long long>(d.integerDigits.size()) + d.exponent + shift -
                          static_cast<long long>(firstNonZero);
  if (point <= 0) return 0;
  std::string whole = digits.substr(firstNonZero, static_cast<std::size_t>(point));
  // The text has passed TextToNumber, so its value is below 1.8E+308 and point stays below 330.
  if (static_cast<long long>(whole.size()) < point) {
    whole.append(static_cast<std::size_t>(point) - whole.size(), '0');
  }
  double value = 0;
  const auto result = std::from_chars(whole.data(), whole.data() + whole.size(), value);
  if (result.ec != std::errc()) throw EvaluationFault{FailureKind::Overflow};
  return value;
}

}  // namespace

double DmsToDegrees(std::string_view text) {
  const double B = TextToNumber(text);
  DecimalText parsed;
  ParseDecimalText(text, parsed);
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
