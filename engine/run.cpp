#include "run.h"

#include <algorithm>

#include "accuracy.h"
#include "angle_conversion.h"
#include "first_group.h"
#include "known_sides.h"
#include "new_point.h"
#include "second_group_closures.h"
#include "second_group_solution.h"
#include "weight_reciprocals.h"

namespace velmora {

namespace {

// Ends the current step: a fault flag raised within it fails the run there.
void Advance(RunStep& step, RunStep next) {
  CheckFloatingPointFaults();
  step = next;
}

int ClosuresWritten(const Outbox& out) {
  return static_cast<int>(std::count_if(out.begin(), out.end(), [](const FieldText& t) {
    return t.field >= ResultField::Text10 && t.field <= ResultField::Text13;
  }));
}

}  // namespace

std::optional<RunFailure> EnterAngle(AdjustmentWork& work, int i) {
  RunStep step = RunStep::ObservedAngle;
  try {
    ClearFloatingPointFaults();
    work.B[i] = DmsToDegrees(work.observed[i]);
    Advance(step, RunStep::PoleCoefficient);
    work.poleCoef[i] = PoleCoefficient(work.B[i]);
    CheckFloatingPointFaults();
    CheckFinite(work.poleCoef[i]);
  } catch (const EvaluationFault& fault) {
    return RunFailure{fault.kind, step, i};
  }
  return std::nullopt;
}

std::optional<RunFailure> ComputeResults(AdjustmentWork& work, Outbox& out) {
  RunStep step = RunStep::FirstGroup;
  try {
    ClearFloatingPointFaults();
    AdjustFirstGroup(work, out);
    Advance(step, RunStep::KnownSides);
    SolveKnownSides(work);
    Advance(step, RunStep::SecondGroupClosures);
    ComputeSecondGroupClosures(work, out);
    Advance(step, RunStep::ConditionMatrix);
    BuildConditionMatrix(work);
    Advance(step, RunStep::WeightFunctions);
    BuildWeightFunctions(work);
    Advance(step, RunStep::NormalMatrix);
    FormNormalMatrix(work);
    Advance(step, RunStep::WeightReciprocals);
    ComputeWeightReciprocals(work, out);
    Advance(step, RunStep::Correlates);
    SolveCorrelates(work);
    Advance(step, RunStep::SecondGroupCorrections);
    ApplySecondGroupCorrections(work);
    Advance(step, RunStep::NewPoint);
    ComputeNewPoint(work);
    Advance(step, RunStep::Accuracy);
    AssessAccuracy(work, out);
    Advance(step, RunStep::NewPoint);
    Emit(out, ResultField::Text14, work.XpFromA);
    Emit(out, ResultField::Text21, work.YpFromA);
    Emit(out, ResultField::Text23, work.XpFromB);
    Emit(out, ResultField::Text24, work.YpFromB);
    Emit(out, ResultField::Text19, work.XpFromC);
    Emit(out, ResultField::Text20, work.YpFromC);
  } catch (const EvaluationFault& fault) {
    const int index = step == RunStep::SecondGroupClosures ? ClosuresWritten(out) + 1 : fault.index;
    return RunFailure{fault.kind, step, index};
  }
  return std::nullopt;
}

RunResult RunWhole(AdjustmentWork& work) {
  RunResult result;
  for (int i = 1; i <= 8; ++i) {
    result.failure = EnterAngle(work, i);
    if (result.failure) return result;
  }
  result.texts.reserve(kResultFieldCount);
  result.failure = ComputeResults(work, result.texts);
  return result;
}

RunResult RunWhole(const KnownPoints& known, const ObservedAngles& observed) {
  AdjustmentWork work{};
  work.known = known;
  work.observed = observed;
  return RunWhole(work);
}

}  // namespace velmora
