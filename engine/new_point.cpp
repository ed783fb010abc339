#include "new_point.h"

#include <cmath>

#include "constants.h"
#include "run_failure.h"

namespace velmora {

namespace {

double Sine(double degrees) {
  return std::sin(degrees * DegreeToRadian);
}
double Cosine(double degrees) {
  return std::cos(degrees * DegreeToRadian);
}

}  // namespace

void ComputeNewPoint(AdjustmentWork& w) {
  const auto& b = w.B;

  w.alphaAP = w.alphaAC + b[3];
  w.Sap = Divide(w.Sab * Sine(b[1]), Sine(b[4]));
  w.XpFromA = w.Xa + w.Sap * Cosine(w.alphaAP);
  w.YpFromA = w.Ya + w.Sap * Sine(w.alphaAP);

  w.alphaBP = w.alphaBA - b[1];
  if (w.alphaBP < 0) w.alphaBP = w.alphaBP + FullTurn;
  w.Sbp = Divide(w.Sab * Sine(b[2] + b[3]), Sine(b[4]));
  w.XpFromB = w.Xb + w.Sbp * Cosine(w.alphaBP);
  w.YpFromB = w.Yb + w.Sbp * Sine(w.alphaBP);

  w.alphaCP = (w.alphaAC - b[6]) + StraightAngle;
  if (w.alphaCP >= FullTurn) w.alphaCP = w.alphaCP - FullTurn;
  w.Scp = Divide(w.Sbc * Sine(b[8]), Sine(b[5]));
  w.XpFromC = w.Xc + w.Scp * Cosine(w.alphaCP);
  w.YpFromC = w.Yc + w.Scp * Sine(w.alphaCP);
}

}  // namespace velmora
