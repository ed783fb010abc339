#include "accuracy.h"

#include <algorithm>

#include "constants.h"
#include "numbers.h"
#include "run_failure.h"

namespace velmora {

namespace {
constexpr double kConditionCount = 6;  // two first-group and four second-group conditions
// Squared factors, in (mm per km)^2, for a second of azimuth across the line BP, (1e6/206265)^2,
// and for a unit of the sixth decimal of log10 of its length along it, (ln 10)^2, as rounded in
// the tables of the method.
constexpr double kTransverseFactor = 23.5;
constexpr double kLongitudinalFactor = 5.3;
constexpr double kDenominatorStep = 1000;  // 1/m is given in whole thousands
}  // namespace

void AssessAccuracy(AdjustmentWork& w, Outbox& out) {
  w.mb = SquareRoot((w.firstVv + w.secondVv) / kConditionCount);
  Emit(out, ResultField::Text15, w.mb);

  w.mLogSide = w.mb * SquareRoot(w.invPs);
  const double underRoot = kTransverseFactor * w.invPb + kLongitudinalFactor * w.invPs;
  w.md = ((w.Sbp * w.mb) * SquareRoot(underRoot)) / MillimetresPerMetre;
  w.shortestSide = std::min({w.Sab, w.Sbc, w.Sac});
  w.relErrorDenominator = kDenominatorStep * TruncateTowardZero(Divide(w.shortestSide, w.mLogSide));
  Emit(out, ResultField::Text25, w.relErrorDenominator);
  Emit(out, ResultField::Text18, w.md);
}

}  // namespace velmora
