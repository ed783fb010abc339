// Weight reciprocals of two functions of the adjusted angles: the azimuth of BP (1/Pb) and the
// common logarithm of the side BP (1/Ps), relative to the unit weight of one observed angle.
#pragma once

#include "adjustment_work.h"
#include "field_text.h"

namespace velmora {

enum class Route { ThroughA, ThroughC };

// Writes rows 5 and 6 of conditionMatrix for one route, from sideCoefA or sideCoefC and d4 or d5.
void WriteWeightFunctions(AdjustmentWork& work, Route route);

// Chooses the route by the route measures and writes the two transformed function rows 5 and 6 of
// conditionMatrix. Through A (triangle ABP): azimuth alphaBA - b1, side BP = AB sin(b2 + b3) / sin
// b4. Through C (triangle BCP): azimuth alphaBC + b8, side BP = BC sin(b6 + b7) / sin b5. The side
// coefficient on the angles at the known point is LogSinePerSecond / tan of their first-group sum
// (sideCoefA, sideCoefC); the angle at P contributes -d4 or -d5. Equal measures take route A.
void BuildWeightFunctions(AdjustmentWork& work);

// 1/Pb = [ff] - [af]^T N^-1 [af] and 1/Ps likewise for the side row, each by one call of
// SolveNormalEquations; emits Text16 then Text17. Leaves the working matrix altered.
void ComputeWeightReciprocals(AdjustmentWork& work, Outbox& out);

}  // namespace velmora
