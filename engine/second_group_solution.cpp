#include "second_group_solution.h"

#include "constants.h"
#include "run_failure.h"

namespace velmora {

void BuildConditionMatrix(AdjustmentWork& work) {
  auto& a = work.conditionMatrix;
  // Column 0 is unused. Fixed angle at A (b2), less its mean 1/4 over triangle ABP.
  a[1] = {0, -0.25, 0.75, -0.25, -0.25, 0, 0, 0, 0};
  // Fixed angle at B (b1 + b8), less 1/4 over each triangle.
  a[2] = {0, 0.75, -0.25, -0.25, -0.25, -0.25, -0.25, -0.25, 0.75};
  // Triangle ABC (b1 + b2 + b7 + b8), less 1/2 over each triangle.
  a[3] = {0, 0.5, 0.5, -0.5, -0.5, -0.5, -0.5, 0.5, 0.5};
  // Pole condition: +d on odd and -d on even angles, less the mean over each triangle.
  const auto& d = work.poleCoef;
  const double m1 = (((d[1] - d[2]) + d[3]) - d[4]) / 4;
  const double m2 = (((d[5] - d[6]) + d[7]) - d[8]) / 4;
  a[4] = {0,         d[1] - m1,  -d[2] - m1, d[3] - m1, -d[4] - m1,
          d[5] - m2, -d[6] - m2, d[7] - m2,  -d[8] - m2};
}

void FormNormalMatrix(AdjustmentWork& work) {
  const auto& a = work.conditionMatrix;
  // [ij] and [ji] are the same products summed in the same order, so each pair is formed once.
  for (int i = 1; i <= 6; ++i) {
    for (int j = i; j <= 6; ++j) {
      double s = 0;
      for (int k = 1; k <= 8; ++k) s = s + a[i][k] * a[j][k];
      work.normalMatrix[i][j] = s;
      work.normalMatrix[j][i] = s;
      work.normalCopy[i][j] = s;
      work.normalCopy[j][i] = s;
    }
  }
}

void SolveNormalEquations(AdjustmentWork& work) {
  auto& N = work.normalMatrix;
  auto& q = work.solution;
  for (int i = 2; i <= 4; ++i) {
    for (int j = i; j <= 5; ++j) {
      double s = N[i][j];
      for (int k = 1; k <= i - 1; ++k) s = s - Divide(N[k][i] * N[k][j], N[k][k]);
      N[i][j] = s;
    }
  }
  for (int i = 4; i >= 1; --i) {
    double s = N[i][5];
    for (int j = i + 1; j <= 4; ++j) s = s + q[j] * N[i][j];
    q[i] = Divide(-s, N[i][i]);
  }
}

void SolveCorrelates(AdjustmentWork& work) {
  auto& N = work.normalMatrix;
  const auto& M = work.normalCopy;
  for (int i = 1; i <= 4; ++i) {
    N[i][5] = work.secondClosure[i];
    for (int j = 1; j <= 4; ++j) {
      N[i][j] = M[i][j];
      N[j][i] = M[j][i];
    }
  }
  SolveNormalEquations(work);
}

void ApplySecondGroupCorrections(AdjustmentWork& work) {
  const auto& a = work.conditionMatrix;
  const auto& k = work.solution;
  for (int i = 1; i <= 8; ++i) {
    const double v = ((k[1] * a[1][i] + k[2] * a[2][i]) + k[3] * a[3][i]) + k[4] * a[4][i];
    work.secondCorrection[i] = v;
    work.B[i] = work.B[i] + v / SecondsPerDegree;
    work.secondVv = work.secondVv + v * v;
  }
}

}  // namespace velmora
