// Fuzzes the reading and writing of numbers on arbitrary bytes.
//
// The input is read as a text by ReadNumber, TextToNumber and DmsToDegrees; its first eight bytes
// are also taken as a double for NumberToText. Promises checked:
// - a text either reads as a finite double or fails as "not a number" or as an overflow, never
//   NaN; TextToNumber agrees with ReadNumber, bit for bit, and throws the same failure;
// - DmsToDegrees fails, as ReadNumber does, on every text that does not read; a value it returns
//   that is not finite has raised an overflow or invalid-operation flag, so a run stops on it;
// - NumberToText of a finite double is a number text that reads back to a double NumberToText
//   writes the same way, never "-0", "nan" or "inf".
#include <cfenv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "angle_conversion.h"
#include "fuzz_check.h"
#include "numbers.h"

namespace {

using velmora::EvaluationFault;
using velmora::FailureKind;
using velmora::fuzz::HasNanOrInf;
using velmora::fuzz::Require;

bool SameBits(double a, double b) {
  return std::memcmp(&a, &b, sizeof a) == 0;
}

void CheckReading(std::string_view text) {
  const velmora::NumberReading reading = velmora::ReadNumber(text);
  if (reading.ok) {
    Require(std::isfinite(reading.value), "a text that reads gives a finite double", text);
  } else {
    Require(reading.failure == FailureKind::NotANumber || reading.failure == FailureKind::Overflow,
            "a text that does not read fails as not a number or overflow", text);
  }

  try {
    const double value = velmora::TextToNumber(text);
    Require(reading.ok && SameBits(value, reading.value), "TextToNumber agrees with ReadNumber",
            text);
  } catch (const EvaluationFault& fault) {
    Require(!reading.ok && fault.kind == reading.failure, "TextToNumber fails as ReadNumber does",
            text);
  }

  std::feclearexcept(FE_ALL_EXCEPT);
  try {
    const double degrees = velmora::DmsToDegrees(text);
    Require(reading.ok, "DmsToDegrees fails on a text that does not read", text);
    if (!std::isfinite(degrees)) {
      Require(std::fetestexcept(FE_OVERFLOW | FE_INVALID) != 0,
              "a DmsToDegrees value that is not finite raises a flag the run stops on", text);
    }
  } catch (const EvaluationFault& fault) {
    Require(fault.kind == FailureKind::NotANumber || fault.kind == FailureKind::Overflow,
            "DmsToDegrees fails as not a number or overflow", text);
    if (!reading.ok) {
      Require(fault.kind == reading.failure, "DmsToDegrees fails as ReadNumber does", text);
    }
  }
}

void CheckWriting(double x) {
  if (!std::isfinite(x)) return;
  const std::string text = velmora::NumberToText(x);
  Require(!HasNanOrInf(text), "NumberToText of a finite double writes no nan or inf", text);
  const velmora::NumberReading back = velmora::ReadNumber(text);
  Require(back.ok, "NumberToText of a finite double reads back", text);
  Require(text.front() != '-' || back.value < 0, "NumberToText never writes a negative zero", text);
  Require(velmora::NumberToText(back.value) == text,
          "a written number reads back to a double written the same way", text);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  CheckReading(text);

  const velmora::NumberReading reading = velmora::ReadNumber(text);
  if (reading.ok) CheckWriting(reading.value);
  if (size >= sizeof(double)) {
    double x = 0;
    std::memcpy(&x, data, sizeof x);
    CheckWriting(x);
  }
  return 0;
}
