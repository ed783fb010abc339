// The result texts of a run, as the window shows them, and the outbox they leave the engine in.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace velmora {

// The result fields, in the order a complete run writes them.
enum class ResultField {
  Text8,   // 3600 w1, closure of triangle ABP, seconds
  Text9,   // 3600 w2, closure of triangle BCP, seconds
  Text10,  // w(1), fixed-angle closure at A, seconds
  Text11,  // w(2), fixed-angle closure at B, seconds
  Text12,  // w(3), closure of triangle ABC, seconds
  Text13,  // w(4) / 10, pole closure
  Text16,  // 1/Pb
  Text17,  // 1/Ps
  Text15,  // mb, seconds
  Text25,  // m of the relative side error 1/m
  Text18,  // md, millimetres
  Text14,  // Xp from A
  Text21,  // Yp from A
  Text23,  // Xp from B
  Text24,  // Yp from B
  Text19,  // Xp from C
  Text20,  // Yp from C
};
inline constexpr int kResultFieldCount = 17;

// The control name of a field: "Text8".
std::string_view FieldName(ResultField field);

// The text a field shows for a value: its prefix, the value rounded half-even to the field's
// decimals and written by NumberToText, and its unit word ("   8 秒", "  3899.98", " 1/533000").
std::string ResultText(ResultField field, double value);

struct FieldText {
  ResultField field;
  std::string text;
};
using Outbox = std::vector<FieldText>;

// Appends the text of a value to the outbox. Before anything leaves the engine it throws
// EvaluationFault for a fault raised so far or a value that is not finite, so no NaN or
// infinity ever reaches a field.
void Emit(Outbox& out, ResultField field, double value);

}  // namespace velmora
