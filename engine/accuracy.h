// Precision of the result: unit-weight error of an angle, point error of P, relative side error.
#pragma once

#include "adjustment_work.h"
#include "field_text.h"

namespace velmora {

// mb = sqrt((firstVv + secondVv) / 6) seconds (six conditions, eight angles of weight 1), emitted
// at once (Text15); mLogSide = mb sqrt(1/Ps); md = Sbp mb sqrt(23.5/Pb + 5.3/Ps) / 1000 mm;
// m = 1000 trunc(shortest known side / mLogSide), emitted (Text25) before md (Text18). A zero
// mLogSide divides by zero.
void AssessAccuracy(AdjustmentWork& work, Outbox& out);

}  // namespace velmora
