// The fault an evaluation ends with, for tests of the failure paths.
#pragma once

#include <optional>

#include "run_failure.h"

namespace velmora {

// Runs `evaluate` and returns the EvaluationFault it throws, or nothing when it completes.
template <typename Evaluation>
std::optional<EvaluationFault> FaultOf(Evaluation&& evaluate) {
  try {
    evaluate();
  } catch (const EvaluationFault& fault) {
    return fault;
  }
  return std::nullopt;
}

}  // namespace velmora
