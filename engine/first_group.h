// First group: the triangle conditions of ABP (b1..b4) and BCP (b5..b8).
#pragma once

#include "adjustment_work.h"
#include "field_text.h"

namespace velmora {

// Each triangle's closure w = (sum of its four angles) - 180 degrees is shared out equally:
// every angle of the triangle is corrected by -w/4. Reads and corrects B(1..8) in place; writes
// w1, w2 (degrees) and firstVv = (3600 w1)^2/4 + (3600 w2)^2/4 (seconds squared). Emits Text8
// (3600 w1) before w2 is formed, then Text9 (3600 w2).
void AdjustFirstGroup(AdjustmentWork& work, Outbox& out);

}  // namespace velmora
