// The known triangle ABC by the inverse problem: sides, azimuths and the two fixed angles.
#pragma once

#include "adjustment_work.h"

namespace velmora {

// Azimuth in degrees, clockwise from north, 0 to below 360, of a direction with coordinate
// differences dX (northing) and dY (easting), to-point minus from-point, and length S. The axis
// directions are exact (dX = 0: 90 if dY > 0, else 270; dY = 0: 180 if dX < 0, else 0); otherwise
// the arcsine of dY/S is formed as atan(s / sqrt(1 - s s)) and put into its quadrant. A direction
// so near due east or west that s s rounds to 1 divides by zero.
double ComputeAzimuth(double dX, double dY, double S);

// Reads the six coordinate texts (a text that is no number ends the run) and writes Xa..Yc, the
// sides Sab, Sac, Sbc (metres), the azimuths alphaBA, alphaAB, alphaAC, alphaBC (degrees), and the
// fixed angles fixedAngleA (clockwise from AB to AC at A) and fixedAngleB (from BC to BA at B).
void SolveKnownSides(AdjustmentWork& work);

}  // namespace velmora
