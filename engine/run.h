// The engine's entry points. A run is: a zeroed AdjustmentWork with the confirmed texts filled in,
// EnterAngle for each angle right after its confirmation, then ComputeResults. RunWhole does all
// of that in one call for tests, benchmarks and fuzzers.
#pragma once

#include <optional>

#include "adjustment_work.h"
#include "field_text.h"
#include "run_failure.h"

namespace velmora {

// Where a run stopped.
enum class RunStep {
  ObservedAngle,        // reading angle `index` (1..8)
  PoleCoefficient,      // pole coefficient of angle `index`
  FirstGroup,           // triangle closures w1, w2
  KnownSides,           // coordinates (`index` 1..6 = Xa, Ya, Xb, Yb, Xc, Yc when a text failed)
  SecondGroupClosures,  // closure w(`index`), 1..4
  ConditionMatrix,
  WeightFunctions,
  NormalMatrix,
  WeightReciprocals,
  Correlates,
  SecondGroupCorrections,
  NewPoint,
  Accuracy,
};

struct RunFailure {
  FailureKind kind;
  RunStep step;
  int index = 0;
};

// Angle i (1..8) as soon as it is confirmed: B(i) = DmsToDegrees(observed[i]), then
// poleCoef(i) = PoleCoefficient(B(i)) of the observed value.
std::optional<RunFailure> EnterAngle(AdjustmentWork& work, int i);

// Everything after the last angle: first group, known sides, second-group closures, solution,
// weight reciprocals, new point and accuracy. Appends each result text to `out` the moment it is
// formed, in the order the window writes them, and stops at the first failure.
std::optional<RunFailure> ComputeResults(AdjustmentWork& work, Outbox& out);

struct RunResult {
  Outbox texts;
  std::optional<RunFailure> failure;
};

// A whole run on a record whose `known` and `observed` are filled in; the record keeps every
// intermediate quantity for inspection.
RunResult RunWhole(AdjustmentWork& work);
RunResult RunWhole(const KnownPoints& known, const ObservedAngles& observed);

}  // namespace velmora
