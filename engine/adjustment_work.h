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

// Everything one run computes. A value-initialised record (AdjustmentWork work{}) has every number
// 0, and several sums rely on that start. Angles in decimal degrees, closures and corrections in
// seconds of arc, lengths in metres.
struct AdjustmentWork {
  KnownPoints known;
  ObservedAngles observed;

  // Known points, as numbers (metres).
  double Xa, Ya, Xb, Yb, Xc, Yc;

  // Working angles b1..b8: observed, then first-group, then final adjusted values (degrees).
  Vector<8> B;
  // Pole coefficients of the observed angles: change of log10 sin b per second, units of 1e-6.
  Vector<8> poleCoef;

  // First group.
  double w1, w2;   // triangle closures of ABP and BCP, degrees
  double firstVv;  // sum of squared first-group corrections, seconds squared

  // Known sides (metres), azimuths (degrees, 0 to below 360) and the two fixed angles (degrees).
  double Sab, Sbc, Sac;
  double alphaBA, alphaAB, alphaAC, alphaBC;
  double fixedAngleA, fixedAngleB;

  // Second group.
  Vector<4> secondClosure;       // w(1)..w(3) seconds; w(4) units of 1e-6 of log10
  Matrix<6, 8> conditionMatrix;  // rows 1-4 conditions, 5 azimuth function, 6 side function
  Matrix<6, 6> normalMatrix;     // working normal matrix
  Matrix<6, 6> normalCopy;       // the normal matrix as formed
  Vector<4> solution;            // q(1..4); the correlates k(1..4) after SolveCorrelates
  Vector<8> secondCorrection;    // v(1..8), seconds
  double secondVv;               // sum of v(i) squared, seconds squared

  // Weight reciprocals of the azimuth and of log10 of the side BP.
  double sideCoefA, sideCoefC;          // side-function coefficient on the angles at A or C
  double routeMeasureA, routeMeasureC;  // route measures, (units of 1e-6) squared
  double invPb;                         // 1/Pb, dimensionless
  double invPs;                         // 1/Ps, (units of 1e-6 per second) squared

  // The new point, from A, from B and from C.
  double alphaAP, Sap, XpFromA, YpFromA;
  double alphaBP, Sbp, XpFromB, YpFromB;
  double alphaCP, Scp, XpFromC, YpFromC;

  // Accuracy.
  double mb;                   // unit-weight error of an angle, seconds
  double mLogSide;             // error of log10 BP, units of its sixth decimal
  double md;                   // point error of P, millimetres
  double shortestSide;         // metres
  double relErrorDenominator;  // m of the relative side error 1/m
};

}  // namespace velmora
