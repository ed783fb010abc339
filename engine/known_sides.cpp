#include "known_sides.h"

#include <cmath>

#include "constants.h"
#include "numbers.h"
#include "run_failure.h"

namespace velmora {

namespace {

double Length(double dX, double dY) {
  return SquareRoot(dX * dX + dY * dY);
}

double WithinFullTurn(double azimuth) {
  return azimuth >= FullTurn ? azimuth - FullTurn : azimuth;
}

}  // namespace

double ComputeAzimuth(double dX, double dY, double S) {
  if (dX == 0) return dY > 0 ? 90 : 270;
  if (dY == 0) return dX < 0 ? 180 : 0;
  const double s = Divide(dY, S);
  const double c = SquareRoot(1 - s * s);
  const double a = std::atan(Divide(s, c));
  double alpha = a / DegreeToRadian;
  if (dX < 0) alpha = StraightAngle - alpha;
  if (dX > 0 && dY < 0) alpha = alpha + FullTurn;
  return alpha;
}

void SolveKnownSides(AdjustmentWork& work) {
  const KnownPoints& known = work.known;
  const std::string* texts[] = {&known.Xa, &known.Ya, &known.Xb, &known.Yb, &known.Xc, &known.Yc};
  double* values[] = {&work.Xa, &work.Ya, &work.Xb, &work.Yb, &work.Xc, &work.Yc};
  for (int i = 0; i < 6; ++i) {
    const NumberReading reading = ReadNumber(*texts[i]);
    if (!reading.ok) throw EvaluationFault{reading.failure, i + 1};
    *values[i] = reading.value;
  }

  double dX = work.Xa - work.Xb;
  double dY = work.Ya - work.Yb;
  work.Sab = Length(dX, dY);
  work.alphaBA = ComputeAzimuth(dX, dY, work.Sab);
  work.alphaAB = WithinFullTurn(work.alphaBA + StraightAngle);

  dX = work.Xc - work.Xa;
  dY = work.Yc - work.Ya;
  work.Sac = Length(dX, dY);
  work.alphaAC = ComputeAzimuth(dX, dY, work.Sac);

  dX = work.Xc - work.Xb;
  dY = work.Yc - work.Yb;
  work.Sbc = Length(dX, dY);
  work.alphaBC = ComputeAzimuth(dX, dY, work.Sbc);

  work.fixedAngleA = WithinFullTurn((work.alphaAC + FullTurn) - work.alphaAB);
  work.fixedAngleB = WithinFullTurn((work.alphaBA + FullTurn) - work.alphaBC);
}

}  // namespace velmora
