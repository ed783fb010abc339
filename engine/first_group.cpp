#include "first_group.h"

#include "constants.h"

namespace velmora {

void AdjustFirstGroup(AdjustmentWork& work, Outbox& out) {
  auto& B = work.B;
  work.w1 = (((B[1] + B[2]) + B[3]) + B[4]) - StraightAngle;
  Emit(out, ResultField::Text8, SecondsPerDegree * work.w1);
  for (int k = 1; k <= 4; ++k) B[k] = B[k] - work.w1 / 4;
  const double w1Seconds = SecondsPerDegree * work.w1;
  const double firstPart = (w1Seconds * w1Seconds) / 4;

  work.w2 = (((B[5] + B[6]) + B[7]) + B[8]) - StraightAngle;
  Emit(out, ResultField::Text9, SecondsPerDegree * work.w2);
  for (int k = 5; k <= 8; ++k) B[k] = B[k] - work.w2 / 4;
  const double w2Seconds = SecondsPerDegree * work.w2;
  const double secondPart = (w2Seconds * w2Seconds) / 4;

  work.firstVv = firstPart + secondPart;
}

}  // namespace velmora
