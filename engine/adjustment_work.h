// The working record of one run and the confirmed input texts it starts from.
#pragma once

#include <array>
#include <string>

namespace velmora {

// The six known coordinates as the operator confirmed them. X is the northing, Y the easting,
// in metres. They stay texts until the known sides are solved.
struct KnownPoints {
  std::string Xa, Ya, Xb, Yb, Xc, Yc;
};

// The eight confirmed angle texts in packed D.MMSS notation, index 1 to 8 (element 0 unused).
using ObservedAngles = std::array<std::string, 9>;

template <int N>
using Vector = std::array<double, N + 1>;  // elements 1..N; element 0 unused
template <int Rows, int Cols>
using Matrix = std::array<std::array<double, Cols + 1>, Rows + 1>;  // row 0 and column 0 unused

// Everything one run computes. A new record has every number 0, and several sums rely on that
// start. Angles in decimal degrees, closures and corrections in
// seconds of arc, lengths in metres.
struct AdjustmentWork {
  KnownPoints known;
  ObservedAngles observed;

  // Known points, as numbers (metres).
  double Xa = 0, Ya = 0, Xb = 0, Yb = 0, Xc = 0, Yc = 0;

  // Working angles b1..b8: observed, then first-group, then final adjusted values (degrees).
  Vector<8> B{};
  // Pole coefficients of the observed angles: change of log10 sin b per second, units of 1e-6.
  Vector<8> poleCoef{};

  // First group.
  double w1 = 0, w2 = 0;  // triangle closures of ABP and BCP, degrees
  double firstVv = 0;     // sum of squared first-group corrections, seconds squared

  // Known sides (metres), azimuths (degrees, 0 to below 360) and the two fixed angles (degrees).
  double Sab = 0, Sbc = 0, Sac = 0;
  double alphaBA = 0, alphaAB = 0, alphaAC = 0, alphaBC = 0;
  double fixedAngleA = 0, fixedAngleB = 0;

  // Second group.
  Vector<4> secondClosure{};       // w(1)..w(3) seconds; w(4) units of 1e-6 of log10
  Matrix<6, 8> conditionMatrix{};  // rows 1-4 conditions, 5 azimuth function, 6 side function
  Matrix<6, 6> normalMatrix{};     // working normal matrix
  Matrix<6, 6> normalCopy{};       // the normal matrix as formed
  Vector<4> solution{};            // q(1..4); the correlates k(1..4) after SolveCorrelates
  Vector<8> secondCorrection{};    // v(1..8), seconds
  double secondVv = 0;             // sum of v(i) squared, seconds squared

  // Weight reciprocals of the azimuth and of log10 of the side BP.
  double sideCoefA = 0, sideCoefC = 0;          // side-function coefficient on the angles at A or C
  double routeMeasureA = 0, routeMeasureC = 0;  // route measures, (units of 1e-6) squared
  double invPb = 0;                             // 1/Pb, dimensionless
  double invPs = 0;                             // 1/Ps, (units of 1e-6 per second) squared

  // The new point, from A, from B and from C.
  double alphaAP = 0, Sap = 0, XpFromA = 0, YpFromA = 0;
  double alphaBP = 0, Sbp = 0, XpFromB = 0, YpFromB = 0;
  double alphaCP = 0, Scp = 0, XpFromC = 0, YpFromC = 0;

  // Accuracy.
  double mb = 0;                   // unit-weight error of an angle, seconds
  double mLogSide = 0;             // error of log10 BP, units of its sixth decimal
  double md = 0;                   // point error of P, millimetres
  double shortestSide = 0;         // metres
  double relErrorDenominator = 0;  // m of the relative side error 1/m
};

}  // namespace velmora
