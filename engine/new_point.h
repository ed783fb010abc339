// Coordinates of the new point P, three times: from A, from B and from C.
#pragma once

#include "adjustment_work.h"

namespace velmora {

// Polar computation from each known point with the final adjusted angles B(1..8):
//   from A: alphaAP = alphaAC + b3,          Sap = Sab sin b1 / sin b4
//   from B: alphaBP = alphaBA - b1 (+360),   Sbp = Sab sin(b2 + b3) / sin b4
//   from C: alphaCP = alphaAC - b6 + 180 (-360), Scp = Sbc sin b8 / sin b5
// and X = Xknown + S cos alpha, Y = Yknown + S sin alpha (metres). A zero sine of b4 or b5 (a
// triangle degenerate at P) divides by zero. Emits nothing: the run writes the coordinates last.
void ComputeNewPoint(AdjustmentWork& work);

}  // namespace velmora
