// Second group solved by correlates in the two-group form: the coefficients are transformed so that
// the second-group corrections leave both first-group triangle sums as the first group left them.
#pragma once

#include "adjustment_work.h"

namespace velmora {

// Rows 1..4 of conditionMatrix: each condition's plain coefficients (1 on an angle in a sum; +d_i
// on odd and -d_i on even angles for the pole condition, d = poleCoef) minus their mean over the
// first-group triangle that holds the angle (b1..b4 or b5..b8). Every row then sums to zero over
// each triangle.
void BuildConditionMatrix(AdjustmentWork& work);

// N = A A^T over rows 1..6 of conditionMatrix (all angles of weight 1), into normalMatrix and its
// untouched copy normalCopy, both halves filled.
void FormNormalMatrix(AdjustmentWork& work);

// Gauss-Doolittle reduction of the 4 x 4 block N(1..4, 1..4) of normalMatrix with N(1..4, 5) as
// the right-hand column r, pivots in natural order, then back substitution: solution = q with
// N q + r = 0. Reads the diagonal and the entries above it; overwrites N(i, j), i = 2..4,
// j = i..5, with reduced values; row 1, rows 5 and 6 and column 6 stay. A zero pivot divides by
// zero.
void SolveNormalEquations(AdjustmentWork& work);

// Restores the 4 x 4 block from normalCopy, loads w(1..4) into column 5 and solves: solution then
// holds the correlates k(1..4).
void SolveCorrelates(AdjustmentWork& work);

// v(i) = sum of k(r) a(r, i) over r = 1..4, seconds; B(i) += v(i)/3600 gives the final adjusted
// angles; secondVv = sum of v(i)^2.
void ApplySecondGroupCorrections(AdjustmentWork& work);

}  // namespace velmora
