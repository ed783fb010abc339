#include "run_failure.h"

#include <cfenv>

namespace velmora {

namespace {
constexpr int kFaultFlags = FE_OVERFLOW | FE_DIVBYZERO | FE_INVALID;
}

void Fail(FailureKind kind) {
  throw EvaluationFault{kind};
}

// Clearing the flags costs several times more than testing them, and they are rarely set.
void ClearFloatingPointFaults() {
  if (std::fetestexcept(kFaultFlags) != 0) std::feclearexcept(kFaultFlags);
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
