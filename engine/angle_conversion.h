// Packed angles D.MMSS to decimal degrees.
#pragma once

#include <string_view>

namespace velmora {

// Decimal degrees of a packed angle text D.MMSSsss: whole degrees, two digits of minutes, two of
// seconds, then decimals of a second; missing digits count as zeros (30.5 is 30 deg 50 min).
// Minutes and seconds of 60 or more carry over unchecked; a negative text converts to the negative
// angle. The whole degrees D and the whole "degrees and minutes" F are taken exactly from the
// decimal digits of the text (2.3 gives F = 230), then
//   degrees = (D + (F - 100 D) / 60) + (10000 B - 100 F) / 3600,  one double operation at a time.
// Throws EvaluationFault (not a number, or overflow) when the text does not read as a number.
double DmsToDegrees(std::string_view text);

}  // namespace velmora
