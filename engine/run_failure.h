// How a run fails, and the checked operations through which the engine meets every failure.
//
// The engine validates no input. An evaluation that cannot be carried out (a text that is no
// number, a zero divisor, a root or logarithm outside its domain, a value beyond the double range)
// throws EvaluationFault at the operation that fails; the run's entry points (run.h) catch it, so
// no later text leaves the engine. Overflow anywhere in the arithmetic is caught through the
// floating-point exception flags, which the entry points clear and test between stages and before
// every result text.
#pragma once

#include <cmath>

namespace velmora {

enum class FailureKind {
  NotANumber,       // a text that does not read as a number
  DivisionByZero,   // a zero divisor
  Overflow,         // a value beyond the range of a double
  InvalidArgument,  // square root of a negative value, logarithm of zero or of a negative value
};

struct EvaluationFault {
  FailureKind kind;
  int index = 0;  // which of several inputs failed (a coordinate 1..6), 0 when there is one
};

// Throws EvaluationFault{kind}; kept out of line so the checked operations stay small.
[[noreturn]] void Fail(FailureKind kind);

// a / b; a zero divisor fails as a division by zero.
inline double Divide(double numerator, double divisor) {
  if (divisor == 0) [[unlikely]]
    Fail(FailureKind::DivisionByZero);
  return numerator / divisor;
}

// Square root; a negative argument fails as an invalid argument.
inline double SquareRoot(double x) {
  if (x < 0) [[unlikely]]
    Fail(FailureKind::InvalidArgument);
  return std::sqrt(x);
}

// Natural logarithm; zero or a negative argument fails as an invalid argument.
inline double NaturalLog(double x) {
  if (x <= 0) [[unlikely]]
    Fail(FailureKind::InvalidArgument);
  return std::log(x);
}

// Forgets overflow, division-by-zero and invalid-operation flags raised before this call.
void ClearFloatingPointFaults();
// Throws the fault that a flag raised since the last clear stands for; overflow first, since an
// infinity produced by an overflow is what later turns into an invalid operation.
void CheckFloatingPointFaults();
// Throws unless x is finite (an infinity is an overflow, a NaN an invalid argument).
void CheckFinite(double x);

}  // namespace velmora
