#include "run_failure.h"

#include <cfenv>
#include <cmath>

namespace velmora {

namespace {
constexpr int kFaultFlags = FE_OVERFLOW | FE_DIVBYZERO | FE_INVALID;
}

double Divide(double numerator, double divisor) {
  if (divisor == 0) throw EvaluationFault{FailureKind::DivisionByZero};
  return numerator / divisor;
}

double SquareRoot(double x) {
  if (x < 0) throw EvaluationFault{FailureKind::InvalidArgument};
  return std::sqrt(x);
}

double NaturalLog(double x) {
  if (x <= 0) throw EvaluationFault{FailureKind::InvalidArgument};
  return std::log(x);
}

void ClearFloatingPointFaults() {
  std::feclearexcept(kFaultFlags);
}

void CheckFloatingPointFaults() {
  const int raised = std::fetestexcept(kFaultFlags);
  if (raised == 0) return;
  if (raised & FE_OVERFLOW) throw EvaluationFault{FailureKind::Overflow};
  if (raised & FE_DIVBYZERO) throw EvaluationFault{FailureKind::DivisionByZero};
  throw EvaluationFault{FailureKind::InvalidArgument};
}

void CheckFinite(double x) {
  if (std::isnan(x)) throw EvaluationFault{FailureKind::InvalidArgument};
  if (std::isinf(x)) throw EvaluationFault{FailureKind::Overflow};
}

}  // namespace velmora
