#include "weight_reciprocals.h"

#include <cmath>

#include "constants.h"
#include "run_failure.h"
#include "second_group_solution.h"

namespace velmora {

namespace {

double SideCoefficient(double angleSumDegrees) {
  return Divide(LogSinePerSecond, std::tan(angleSumDegrees * DegreeToRadian));
}

double RouteMeasure(double sideCoef, double poleCoefAtP) {
  return (2 * (sideCoef * sideCoef) + poleCoefAtP * poleCoefAtP) + (2 * sideCoef) * poleCoefAtP;
}

}  // namespace

void WriteWeightFunctions(AdjustmentWork& work, Route route) {
  const auto& d = work.poleCoef;
  auto& f = work.conditionMatrix[5];
  auto& g = work.conditionMatrix[6];
  if (route == Route::ThroughA) {
    f = {0, -0.75, 0.25, 0.25, 0.25, 0, 0, 0, 0};
    const double c = work.sideCoefA;
    const double m = (2 * c - d[4]) / 4;
    g = {0, -m, c - m, c - m, -d[4] - m, 0, 0, 0, 0};
  } else {
    f = {0, 0, 0, 0, 0, -0.25, -0.25, -0.25, 0.75};
    const double c = work.sideCoefC;
    const double m = (2 * c - d[5]) / 4;
    g = {0, 0, 0, 0, 0, -d[5] - m, c - m, c - m, -m};
  }
}

void BuildWeightFunctions(AdjustmentWork& work) {
  const auto& B = work.B;
  const auto& d = work.poleCoef;
  work.sideCoefA = SideCoefficient(B[2] + B[3]);
  work.sideCoefC = SideCoefficient(B[6] + B[7]);
  work.routeMeasureA = RouteMeasure(work.sideCoefA, d[4]);
  work.routeMeasureC = RouteMeasure(work.sideCoefC, d[5]);
  // Both routes express the same two functions; equal measures take the route through A.
  WriteWeightFunctions(
      work, work.routeMeasureA >= work.routeMeasureC ? Route::ThroughA : Route::ThroughC);
}

void ComputeWeightReciprocals(AdjustmentWork& work, Outbox& out) {
  auto& N = work.normalMatrix;
  const auto& M = work.normalCopy;
  const auto& q = work.solution;

  // Azimuth: column 5 as formed is the right-hand column.
  SolveNormalEquations(work);
  double s = 0;
  for (int r = 1; r <= 4; ++r) s = s + q[r] * M[r][5];
  work.invPb = s + N[5][5];
  Emit(out, ResultField::Text16, work.invPb);

  // Side: column 6 (untouched so far) becomes the right-hand column over a restored block.
  for (int r = 1; r <= 4; ++r) {
    N[r][5] = N[r][6];
    for (int c = 1; c <= 4; ++c) {
      N[r][c] = M[r][c];
      N[c][r] = M[c][r];
    }
  }
  SolveNormalEquations(work);
  s = 0;
  for (int r = 1; r <= 4; ++r) s = s + q[r] * N[r][6];
  work.invPs = s + N[6][6];
  Emit(out, ResultField::Text17, work.invPs);
}

}  // namespace velmora
