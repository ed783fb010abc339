// Fuzzes a whole run on fourteen texts cut from the input.
//
// The input is cut at its first thirteen line feeds into the six coordinates Xa, Ya, Xb, Yb, Xc,
// Yc and the eight angles b1..b8 (missing pieces are empty texts), and goes through RunWhole.
// Promises checked:
// - the run ends with all seventeen result texts in the order of ResultField, or with one failure
//   and a prefix of that order;
// - every text holds one number that reads back as a finite double and is written the way
//   NumberToText writes it: no "nan", no "inf", no "-0".
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>

#include "field_text.h"
#include "fuzz_check.h"
#include "numbers.h"
#include "run.h"

namespace {

using velmora::ResultField;
using velmora::fuzz::HasNanOrInf;
using velmora::fuzz::Require;

constexpr int kTextCount = 14;  // six coordinates, eight angles

// The input cut into kTextCount texts at line feeds; the last one keeps the rest.
std::array<std::string, kTextCount> CutTexts(std::string_view input) {
  std::array<std::string, kTextCount> texts;
  for (int i = 0; i < kTextCount && !input.empty(); ++i) {
    const std::size_t end = i + 1 < kTextCount ? input.find('\n') : std::string_view::npos;
    texts[static_cast<std::size_t>(i)] = std::string(input.substr(0, end));
    input.remove_prefix(end == std::string_view::npos ? input.size() : end + 1);
  }
  return texts;
}

// The number in a field text: after the leading blanks (and "1/" of the relative side error), up
// to the next blank.
std::string_view NumberIn(std::string_view text, ResultField field) {
  text.remove_prefix(std::min(text.find_first_not_of(' '), text.size()));
  if (field == ResultField::Text25 && text.substr(0, 2) == "1/") text.remove_prefix(2);
  return text.substr(0, text.find(' '));
}

void CheckText(const velmora::FieldText& shown) {
  const std::string_view text = shown.text;
  Require(!HasNanOrInf(text), "a field text holds no nan or inf", text);
  const std::string_view number = NumberIn(text, shown.field);
  const velmora::NumberReading reading = velmora::ReadNumber(number);
  Require(reading.ok, "a field text holds a number that reads", text);
  Require(std::isfinite(reading.value), "a field number is finite", text);
  Require(number.front() != '-' || reading.value < 0, "a field number is never -0", text);
  Require(velmora::NumberToText(reading.value) == number,
          "a field number is written as NumberToText writes it", text);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const std::array<std::string, kTextCount> texts = CutTexts(input);
  const velmora::KnownPoints known{texts[0], texts[1], texts[2], texts[3], texts[4], texts[5]};
  velmora::ObservedAngles observed;
  for (int i = 1; i <= 8; ++i) observed[static_cast<std::size_t>(i)] = texts[5 + i];

  const velmora::RunResult run = velmora::RunWhole(known, observed);

  const std::size_t count = run.texts.size();
  Require(count <= velmora::kResultFieldCount, "a run writes at most seventeen texts", input);
  Require(run.failure.has_value() == (count < velmora::kResultFieldCount),
          "a run ends with all seventeen texts or with a failure and fewer", input);
  for (std::size_t i = 0; i < count; ++i) {
    Require(run.texts[i].field == static_cast<ResultField>(i),
            "the texts come in the order of ResultField", input);
    CheckText(run.texts[i]);
  }
  if (run.failure) {
    const velmora::FailureKind kind = run.failure->kind;
    Require(
        kind == velmora::FailureKind::NotANumber || kind == velmora::FailureKind::DivisionByZero ||
            kind == velmora::FailureKind::Overflow || kind == velmora::FailureKind::InvalidArgument,
        "a failure is one of the four kinds", input);
  }
  return 0;
}
