#include "second_group_closures.h"

#include <cmath>

#include "constants.h"
#include "run_failure.h"

namespace velmora {

namespace {

// Common logarithm of the sine of an angle in degrees.
double LogSine(double angleDegrees) {
  return NaturalLog(std::sin(angleDegrees * DegreeToRadian)) / Ln10;
}

// The tabular characteristic +10 of a log-sine; it cancels within each pair of the pole sum.
constexpr double kLogSineCharacteristic = 10;

}  // namespace

double PoleCoefficient(double angleDegrees) {
  return Divide(LogSinePerSecond, std::tan(angleDegrees * DegreeToRadian));
}

void ComputeSecondGroupClosures(AdjustmentWork& work, Outbox& out) {
  const auto& B = work.B;
  auto& w = work.secondClosure;
  w[1] = SecondsPerDegree * (B[2] - work.fixedAngleA);
  Emit(out, ResultField::Text10, w[1]);
  w[2] = SecondsPerDegree * ((B[1] + B[8]) - work.fixedAngleB);
  Emit(out, ResultField::Text11, w[2]);
  w[3] = SecondsPerDegree * ((((B[1] + B[2]) + B[7]) + B[8]) - StraightAngle);
  Emit(out, ResultField::Text12, w[3]);

  double s = 0;
  for (int i = 1; i <= 4; ++i) {
    const double odd = LogSine(B[2 * i - 1]) + kLogSineCharacteristic;
    const double even = LogSine(B[2 * i]) + kLogSineCharacteristic;
    s = (s + odd) - even;
  }
  w[4] = LogUnitsPerLog * s;
  Emit(out, ResultField::Text13, w[4] / 10);
}

}  // namespace velmora
