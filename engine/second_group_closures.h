// Second group: the pole coefficients and the closures of the four second-group conditions.
#pragma once

#include "adjustment_work.h"
#include "field_text.h"

namespace velmora {

// Pole coefficient of an angle in decimal degrees: LogSinePerSecond / tan(angle), the change of
// log10 sin b per second of arc in units of the sixth decimal. An angle of exactly 0 divides by
// zero. The run takes it of each observed angle as soon as it is converted.
double PoleCoefficient(double angleDegrees);

// From the first-group angles B(1..8) and the fixed angles, in seconds of arc:
//   w(1) = 3600 (b2 - fixedAngleA)               fixed angle at A
//   w(2) = 3600 (b1 + b8 - fixedAngleB)          fixed angle at B
//   w(3) = 3600 (b1 + b2 + b7 + b8 - 180)        triangle ABC
// and the pole closure w(4) = 1e6 (sum of log10 sin of b1, b3, b5, b7 minus that of b2, b4, b6, b8)
// in units of the sixth decimal. Each is emitted as soon as it is formed (Text10..Text12, and
// w(4)/10 in Text13). A first-group angle whose sine is not positive is an invalid argument.
void ComputeSecondGroupClosures(AdjustmentWork& work, Outbox& out);

}  // namespace velmora
