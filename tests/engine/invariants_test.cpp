// Properties of the second-group solution that hold for any figure, checked on a handful of
// figures of different size and shape with a few seconds of observation error.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>

#include "first_group.h"
#include "known_sides.h"
#include "run.h"
#include "second_group_closures.h"
#include "second_group_solution.h"
#include "weight_reciprocals.h"

namespace velmora {
namespace {

struct Point {
  double x, y;  // northing, easting
};

double AzimuthDegrees(Point from, Point to) {
  const double a = std::atan2(to.y - from.y, to.x - from.x) * 180 / M_PI;
  return a < 0 ? a + 360 : a;
}

// Clockwise angle at `at` from the direction to `first` to the direction to `second`.
double AngleDegrees(Point at, Point first, Point second) {
  const double a = AzimuthDegrees(at, second) - AzimuthDegrees(at, first);
  return a < 0 ? a + 360 : a;
}

std::string Packed(double degrees) {
  const long long units = std::llround(degrees * 3600 * 10000);  // 0.0001 second
  char text[40];
  std::snprintf(text, sizeof text, "%lld.%02lld%02lld%04lld", units / 36000000, units / 600000 % 60,
                units / 10000 % 60, units % 10000);
  return text;
}

std::string Metres(double value) {
  char text[40];
  std::snprintf(text, sizeof text, "%lld.%03lld", std::llround(value * 1000) / 1000,
                std::llround(value * 1000) % 1000);
  return text;
}

struct Figure {
  const char* name;
  Point A, B, C, P;
  double noiseSeconds[8];
};

const Figure kFigures[] = {
    {"worked example",
     {5000, 3000},
     {6200, 4000},
     {5100, 5200},
     {3900, 4100},
     {2, -3, 1.5, 4, -2.5, 1, 3, -1}},
    {"300 m figure",
     {1000, 1000},
     {1260, 1150},
     {1040, 1310},
     {780, 1170},
     {-1.2, 2.4, 0.8, -3.1, 1.7, -0.6, 2.2, -2.9}},
    {"3 km figure",
     {20000, 10000},
     {22100, 11800},
     {19600, 13100},
     {17900, 11200},
     {3.3, -1.4, -2.2, 0.9, 2.6, -3.5, 1.1, 0.4}},
    {"15 km figure",
     {3500000, 500000},
     {3512000, 508000},
     {3501000, 515000},
     {3489000, 506000},
     {-2.8, 1.9, 3.6, -0.7, -1.5, 2.3, -3.2, 1.2}},
};

AdjustmentWork Prepared(const Figure& f) {
  const double angles[8] = {AngleDegrees(f.B, f.P, f.A), AngleDegrees(f.A, f.B, f.C),
                            AngleDegrees(f.A, f.C, f.P), AngleDegrees(f.P, f.A, f.B),
                            AngleDegrees(f.P, f.B, f.C), AngleDegrees(f.C, f.P, f.A),
                            AngleDegrees(f.C, f.A, f.B), AngleDegrees(f.B, f.C, f.P)};
  AdjustmentWork work{};
  work.known = {Metres(f.A.x), Metres(f.A.y), Metres(f.B.x),
                Metres(f.B.y), Metres(f.C.x), Metres(f.C.y)};
  for (int i = 1; i <= 8; ++i) {
    work.observed[i] = Packed(angles[i - 1] + f.noiseSeconds[i - 1] / 3600);
  }
  return work;
}

// A run taken stage by stage with the route of the weight functions forced.
AdjustmentWork Adjusted(const Figure& f, Route route) {
  AdjustmentWork work = Prepared(f);
  for (int i = 1; i <= 8; ++i) EXPECT_FALSE(EnterAngle(work, i));
  ClearFloatingPointFaults();  // as a run does when it starts
  Outbox out;
  AdjustFirstGroup(work, out);
  SolveKnownSides(work);
  ComputeSecondGroupClosures(work, out);
  BuildConditionMatrix(work);
  BuildWeightFunctions(work);
  WriteWeightFunctions(work, route);
  FormNormalMatrix(work);
  ComputeWeightReciprocals(work, out);
  SolveCorrelates(work);
  ApplySecondGroupCorrections(work);
  return work;
}

TEST(SecondGroup, ConstantRowsAndNormalBlock) {
  const double rows[3][8] = {{-0.25, 0.75, -0.25, -0.25, 0, 0, 0, 0},
                             {0.75, -0.25, -0.25, -0.25, -0.25, -0.25, -0.25, 0.75},
                             {0.5, 0.5, -0.5, -0.5, -0.5, -0.5, 0.5, 0.5}};
  const double normal[3][3] = {{0.75, -0.25, 0.5}, {-0.25, 1.5, 1}, {0.5, 1, 2}};
  for (const Figure& f : kFigures) {
    SCOPED_TRACE(f.name);
    const AdjustmentWork w = Adjusted(f, Route::ThroughA);
    for (int r = 1; r <= 3; ++r) {
      for (int i = 1; i <= 8; ++i) EXPECT_EQ(w.conditionMatrix[r][i], rows[r - 1][i - 1]);
      for (int c = 1; c <= 3; ++c) EXPECT_EQ(w.normalCopy[r][c], normal[r - 1][c - 1]);
    }
  }
}

TEST(SecondGroup, EveryRowLeavesBothTriangleSumsAlone) {
  for (const Figure& f : kFigures) {
    for (Route route : {Route::ThroughA, Route::ThroughC}) {
      SCOPED_TRACE(f.name);
      const AdjustmentWork w = Adjusted(f, route);
      for (int r = 1; r <= 6; ++r) {
        const auto& a = w.conditionMatrix[r];
        const double scale = std::fabs(a[1]) + std::fabs(a[4]) + std::fabs(a[5]) + 1;
        EXPECT_NEAR(((a[1] + a[2]) + a[3]) + a[4], 0, 1e-14 * scale) << "row " << r;
        EXPECT_NEAR(((a[5] + a[6]) + a[7]) + a[8], 0, 1e-14 * scale) << "row " << r;
      }
    }
  }
}

TEST(SecondGroup, AdjustedAnglesSatisfyTheConditions) {
  constexpr double kSecond = 1.0 / 3600;
  for (const Figure& f : kFigures) {
    SCOPED_TRACE(f.name);
    const AdjustmentWork w = Adjusted(f, Route::ThroughA);
    const auto& B = w.B;
    EXPECT_NEAR(((B[1] + B[2]) + B[3]) + B[4], 180, 1e-6 * kSecond);
    EXPECT_NEAR(((B[5] + B[6]) + B[7]) + B[8], 180, 1e-6 * kSecond);
    EXPECT_NEAR(B[2], w.fixedAngleA, 1e-6 * kSecond);
    EXPECT_NEAR(B[1] + B[8], w.fixedAngleB, 1e-6 * kSecond);
    EXPECT_NEAR(((B[1] + B[2]) + B[7]) + B[8], 180, 1e-6 * kSecond);
    // The pole condition was linearised once: a small remainder is left.
    double s = 0;
    for (int i = 1; i <= 8; ++i) {
      const double logSine = std::log10(std::sin(B[i] * M_PI / 180));
      s += i % 2 == 1 ? logSine : -logSine;
    }
    EXPECT_LT(std::fabs(s * 1e6), 0.05);
  }
}

TEST(SecondGroup, ZeroClosuresGiveZeroCorrections) {
  AdjustmentWork w = Adjusted(kFigures[2], Route::ThroughA);
  // Undo the corrections, then solve again with every closure zero.
  for (int i = 1; i <= 8; ++i) w.B[i] -= w.secondCorrection[i] / 3600;
  const auto firstGroupAngles = w.B;
  w.secondClosure = {};
  w.secondVv = 0;
  SolveCorrelates(w);
  ApplySecondGroupCorrections(w);
  for (int r = 1; r <= 4; ++r) EXPECT_EQ(w.solution[r], 0);
  for (int i = 1; i <= 8; ++i) EXPECT_EQ(w.secondCorrection[i], 0);
  EXPECT_EQ(w.B, firstGroupAngles);
  EXPECT_EQ(w.secondVv, 0);
}

TEST(WeightReciprocals, TheSameByEitherRoute) {
  for (const Figure& f : kFigures) {
    SCOPED_TRACE(f.name);
    const AdjustmentWork a = Adjusted(f, Route::ThroughA);
    const AdjustmentWork c = Adjusted(f, Route::ThroughC);
    EXPECT_NEAR(a.invPb, c.invPb, 1e-6);
    EXPECT_GT(a.invPb, 0);
    EXPECT_LE(a.invPb, 0.75);
    EXPECT_NEAR(a.invPs, c.invPs, 1e-3 * c.invPs);
    EXPECT_GT(a.invPs, 0);
    // The weight functions never reach the correlates: the corrections agree to the bit.
    EXPECT_EQ(a.secondCorrection, c.secondCorrection);
  }
}

TEST(WeightReciprocals, DependOnTheAnglesAlone) {
  Figure moved = kFigures[1];
  moved.A = {1000.5, 999.2};
  moved.C = {1041.7, 1312.4};
  AdjustmentWork original = Prepared(kFigures[1]);
  AdjustmentWork shifted = Prepared(kFigures[1]);
  shifted.known = Prepared(moved).known;  // other known points, the same observed angles
  ASSERT_FALSE(RunWhole(original).failure);
  ASSERT_FALSE(RunWhole(shifted).failure);
  EXPECT_NE(original.XpFromA, shifted.XpFromA);
  EXPECT_EQ(original.invPb, shifted.invPb);
  EXPECT_EQ(original.invPs, shifted.invPs);
}

TEST(PoleCoefficients, ComeFromTheObservedAngles) {
  // Raising all four observed angles of triangle ABP alike changes their pole coefficients, but
  // the first group takes the same amount off again, so the closures stay.
  AdjustmentWork plain = Prepared(kFigures[0]);
  AdjustmentWork raised = plain;
  for (int i = 1; i <= 4; ++i) raised.observed[i] += "7";  // +0.00007 deg.mmss: 0.7 seconds
  ASSERT_FALSE(RunWhole(plain).failure);
  ASSERT_FALSE(RunWhole(raised).failure);
  for (int i = 1; i <= 4; ++i) EXPECT_NE(plain.poleCoef[i], raised.poleCoef[i]) << i;
  for (int r = 1; r <= 4; ++r) {
    EXPECT_NEAR(plain.secondClosure[r], raised.secondClosure[r], 1e-6) << r;
  }
  // 90 degrees and 180 degrees are not exact multiples of the ten-decimal pi.
  EXPECT_NEAR(PoleCoefficient(90), 9.45e-11, 0.01e-11);
  EXPECT_NEAR(PoleCoefficient(180), -2.34e10, 0.01e10);
}

}  // namespace
}  // namespace velmora
