// Reading and writing numbers: the rules that decide every digit the window shows.
// Nothing here depends on the user's locale: "." is always the decimal point.
#pragma once

#include <string>
#include <string_view>

#include "run_failure.h"

namespace velmora {

// A plain decimal number text: blanks (space or tab) around it, an optional sign, digits with an
// optional ".", and an optional exponent "E" or "e" with an optional sign and at least one digit.
// At least one digit must stand before or after the point. "inf", "nan", hex forms, thousands
// separators and a decimal comma are no numbers.
struct DecimalText {
  bool negative = false;
  std::string_view integerDigits;   // digits before the point, may be empty
  std::string_view fractionDigits;  // digits after the point, may be empty
  long long exponent = 0;           // saturated at +-kExponentLimit
  std::string_view magnitude;       // the text without blanks and sign
};
inline constexpr long long kExponentLimit = 1000000000;

// Splits text by the grammar above; false when the text is no number.
bool ParseDecimalText(std::string_view text, DecimalText& parsed);

struct NumberReading {
  bool ok = false;
  double value = 0;
  FailureKind failure = FailureKind::NotANumber;  // when !ok: NotANumber or Overflow
};

// The double nearest to the decimal value of text; a value beyond the double range is an
// overflow, one below the smallest double reads as zero. Linear in the length of the text.
NumberReading ReadNumber(std::string_view text);

// ReadNumber of a text already split by ParseDecimalText.
NumberReading ReadNumber(const DecimalText& parsed);

// As ReadNumber, but a failure throws EvaluationFault and so ends the run.
double TextToNumber(std::string_view text);

// Rounds to 15 significant digits and writes the shortest form: "0.25", "-0.5", "12", "0" (never
// "-0"); exponent form with at least two exponent digits below 1E-04 and from 1E+15 on
// ("1.5E-05", "1E+15").
std::string NumberToText(double x);

// NumberToText written into `out`, which holds at least kNumberTextCapacity characters; returns
// the length. For building field texts without intermediate strings.
inline constexpr std::size_t kNumberTextCapacity = 32;
std::size_t WriteNumberText(double x, char* out);

// NumberToText(RoundHalfEven(x, decimals)) written into `out` (kNumberTextCapacity characters);
// returns the length. Values of up to fifteen digits, all that a field normally shows, are
// written straight from their rounded integer units.
std::size_t WriteRoundedNumberText(double x, int decimals, char* out);

// The whole part of x, toward zero: -2.7 gives -2.
double TruncateTowardZero(double x);

// x rounded to `decimals` decimals (0 to 15), ties to even, decided on the double product
// x * 10^decimals: 2.675 gives 2.68 (the product is exactly 267.5), 1.005 gives 1 (100.49999...).
double RoundHalfEven(double x, int decimals);

}  // namespace velmora
