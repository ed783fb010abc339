// Cross-check of the two-group condition adjustment against a parametric (indirect) least-squares
// adjustment of the same eight angles, written here from the textbook formulas: the unknowns are
// the coordinates of P, each angle is a difference of two azimuths, and the solution is iterated
// by Gauss-Newton. Both adjustments minimise the same [vv], so P, the unit-weight error and the
// weight reciprocals of the functions of BP must agree up to the linearisation of the conditions.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdint>
#include <string>

#include "run.h"

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kRho = 180.0 * 3600.0 / kPi;  // arc seconds per radian
constexpr double kFullTurnSeconds = 360.0 * 3600.0;
constexpr std::int64_t kPerSecond = 10000;  // angles are kept in units of 0.0001"

struct Point {
  double x, y;  // northing, easting (metres)
};
enum Vertex { kA, kB, kC, kP };
using Figure = std::array<Point, 4>;

// b1..b8: the clockwise angle at `at` from the direction to `from` to the direction to `to`.
struct AngleAt {
  Vertex at, from, to;
};
constexpr std::array<AngleAt, 8> kAngles = {{{kB, kP, kA},
                                             {kA, kB, kC},
                                             {kA, kC, kP},
                                             {kP, kA, kB},
                                             {kP, kB, kC},
                                             {kC, kP, kA},
                                             {kC, kA, kB},
                                             {kB, kC, kP}}};

// Azimuth from s to t in radians, clockwise from north (X), in (-pi, pi].
double Azimuth(Point s, Point t) {
  return std::atan2(t.y - s.y, t.x - s.x);
}

double AngleSeconds(const Figure& f, AngleAt a) {
  const double r = Azimuth(f[a.at], f[a.to]) - Azimuth(f[a.at], f[a.from]);
  return (r < 0 ? r + 2 * kPi : r) * kRho;
}

// Gradient of the azimuth from s to t, in arc seconds per metre of Xp and of Yp.
std::array<double, 2> AzimuthGradient(const Figure& f, Vertex s, Vertex t) {
  const double dx = f[t].x - f[s].x, dy = f[t].y - f[s].y;
  const double sign = (t == kP ? 1.0 : 0.0) - (s == kP ? 1.0 : 0.0);
  const double k = sign * kRho / (dx * dx + dy * dy);
  return {-dy * k, dx * k};
}

struct Parametric {
  Point p;         // adjusted P, relative to A
  double sigma0;   // unit-weight error, arc seconds
  double Q[2][2];  // cofactors of Xp, Yp, square metres per square second
  double WeightReciprocal(std::array<double, 2> g) const {
    return g[0] * g[0] * Q[0][0] + 2 * g[0] * g[1] * Q[0][1] + g[1] * g[1] * Q[1][1];
  }
};

// Least squares with P as the unknown; known points relative to A, observations in seconds.
Parametric AdjustByParameters(Figure f, const std::array<double, 8>& observed) {
  // Start from P intersected with the observed b3 at A and b6 at C.
  const double toP = Azimuth(f[kA], f[kC]) + observed[2] / kRho;
  const double fromC = Azimuth(f[kC], f[kA]) - observed[5] / kRho;
  const Point u{std::cos(toP), std::sin(toP)}, w{std::cos(fromC), std::sin(fromC)};
  const double ax = f[kC].x - f[kA].x, ay = f[kC].y - f[kA].y;
  const double s = (ay * w.x - ax * w.y) / (u.y * w.x - u.x * w.y);
  f[kP] = {f[kA].x + s * u.x, f[kA].y + s * u.y};

  Parametric out{};
  std::array<double, 8> v{};
  for (int iteration = 0; iteration < 50; ++iteration) {
    double n00 = 0, n01 = 0, n11 = 0, t0 = 0, t1 = 0;
    for (int i = 0; i < 8; ++i) {
      const AngleAt a = kAngles[static_cast<std::size_t>(i)];
      double r = AngleSeconds(f, a) - observed[static_cast<std::size_t>(i)];
      if (r > kFullTurnSeconds / 2) r -= kFullTurnSeconds;
      if (r <= -kFullTurnSeconds / 2) r += kFullTurnSeconds;
      v[static_cast<std::size_t>(i)] = r;
      const auto to = AzimuthGradient(f, a.at, a.to), from = AzimuthGradient(f, a.at, a.from);
      const double gx = to[0] - from[0], gy = to[1] - from[1];
      n00 += gx * gx;
      n01 += gx * gy;
      n11 += gy * gy;
      t0 -= gx * r;
      t1 -= gy * r;
    }
    const double det = n00 * n11 - n01 * n01;
    out.Q[0][0] = n11 / det, out.Q[1][1] = n00 / det, out.Q[0][1] = out.Q[1][0] = -n01 / det;
    const double dx = out.Q[0][0] * t0 + out.Q[0][1] * t1, dy = out.Q[1][0] * t0 + out.Q[1][1] * t1;
    f[kP].x += dx, f[kP].y += dy;
    if (std::hypot(dx, dy) < 1e-10) {
      // The change was below 1e-10 m: residuals, Q and the point stand as they are.
      double vv = 0;
      for (double r : v) vv += r * r;
      out.p = f[kP];
      out.sigma0 = std::sqrt(vv / (8 - 2));
      return out;
    }
  }
  ADD_FAILURE() << "Gauss-Newton did not converge";
  return out;
}

std::string ZeroPadded(std::int64_t value, std::size_t width) {
  const std::string digits = std::to_string(value);
  return std::string(width > digits.size() ? width - digits.size() : 0, '0') + digits;
}

// Packed D.MMSS text with four decimals of the seconds, from a count of 0.0001".
std::string PackedAngle(std::int64_t count) {
  const std::int64_t perMinute = 60 * kPerSecond, perDegree = 60 * perMinute;
  return std::to_string(count / perDegree) + "." + ZeroPadded(count % perDegree / perMinute, 2) +
         ZeroPadded(count % perMinute, 6);
}

std::string Metres(std::int64_t mm) {
  return std::to_string(mm / 1000) + "." + ZeroPadded(mm % 1000, 3);
}

constexpr std::int64_t Dms(std::int64_t d, std::int64_t m, std::int64_t s) {
  return ((d * 60 + m) * 60 + s) * kPerSecond;
}

using KnownMm = std::array<std::int64_t, 6>;  // Xa, Ya, Xb, Yb, Xc, Yc in millimetres

struct BothAdjustments {
  velmora::AdjustmentWork engine;
  Parametric lsq;
  double lsqInvPs, lsqInvPb, lsqPointErrorMm;
};

BothAdjustments AdjustBoth(const KnownMm& known, const std::array<std::int64_t, 8>& counts) {
  BothAdjustments both{};
  auto& work = both.engine;
  work.known = {Metres(known[0]), Metres(known[1]), Metres(known[2]),
                Metres(known[3]), Metres(known[4]), Metres(known[5])};
  std::array<double, 8> observed{};
  for (std::size_t i = 0; i < 8; ++i) {
    work.observed[i + 1] = PackedAngle(counts[i]);
    observed[i] = static_cast<double>(counts[i]) / kPerSecond;
  }
  const velmora::RunResult run = velmora::RunWhole(work);
  EXPECT_FALSE(run.failure.has_value());

  // Known points relative to A (exact differences of the millimetre values), so that the
  // iteration can resolve 1e-10 m even on coordinates of millions of metres.
  Figure f{};
  for (int k = 0; k < 3; ++k) {
    f[static_cast<std::size_t>(k)] = {static_cast<double>(known[2 * k] - known[0]) / 1000,
                                      static_cast<double>(known[2 * k + 1] - known[1]) / 1000};
  }
  both.lsq = AdjustByParameters(f, observed);
  f[kP] = both.lsq.p;
  const double dx = f[kP].x - f[kB].x, dy = f[kP].y - f[kB].y, s2 = dx * dx + dy * dy;
  const double logScale = 1e6 / std::log(10.0) / s2;  // 1e6 log10 |BP| per metre, over |BP|
  both.lsqInvPs = both.lsq.WeightReciprocal({dx * logScale, dy * logScale});
  both.lsqInvPb = both.lsq.WeightReciprocal(AzimuthGradient(f, kB, kP));
  both.lsqPointErrorMm = 1000 * both.lsq.sigma0 * std::sqrt(both.lsq.Q[0][0] + both.lsq.Q[1][1]);
  return both;
}

// The three points of P the engine carries from A, B and C against the least-squares point.
void ExpectSamePoint(const BothAdjustments& both) {
  const auto& w = both.engine;
  const double xs[] = {w.XpFromA, w.XpFromB, w.XpFromC}, ys[] = {w.YpFromA, w.YpFromB, w.YpFromC};
  for (int k = 0; k < 3; ++k) {
    SCOPED_TRACE(std::string("P from ") + "ABC"[k]);
    EXPECT_NEAR(xs[k] - w.Xa, both.lsq.p.x, 0.05e-3);
    EXPECT_NEAR(ys[k] - w.Ya, both.lsq.p.y, 0.05e-3);
  }
}

struct FigureCase {
  const char* name;
  KnownMm known;
  Point p;                      // true P
  std::array<double, 8> noise;  // arc seconds added to the true b1..b8
};

const FigureCase kFigures[] = {
    {"sides of 300 m",
     {1000000, 1000000, 1240512, 1180347, 1020884, 1310221},
     {760.403, 1205.118},
     {2.1, -3.4, 1.7, 0.8, -2.6, 3.3, -1.2, 2.5}},
    {"sides of 3 km",
     {20000000, 10000000, 22410235, 11850660, 20180447, 13120318},
     {17650.902, 11930.077},
     {-1.8, 2.9, -0.6, 3.7, 1.4, -2.2, 3.1, -2.7}},
    {"sides of 15 km",
     {5310000000, 4420000000, 5322050412, 4429310871, 5311205633, 4435480245},
     {5297860.190, 4430020.554},
     {3.6, 1.3, -2.8, -1.9, 2.4, 0.7, -3.5, 1.1}},
};

TEST(CrossCheckTest, ConditionAdjustmentAgreesWithParametricLeastSquares) {
  for (const FigureCase& c : kFigures) {
    SCOPED_TRACE(c.name);
    Figure truth{};
    for (std::size_t k = 0; k < 3; ++k) {
      truth[k] = {static_cast<double>(c.known[2 * k]) / 1000,
                  static_cast<double>(c.known[2 * k + 1]) / 1000};
    }
    truth[kP] = c.p;
    std::array<std::int64_t, 8> counts{};
    for (std::size_t i = 0; i < 8; ++i) {
      const double seconds = AngleSeconds(truth, kAngles[i]) + c.noise[i];
      counts[i] = std::llround(seconds * kPerSecond);
    }
    const BothAdjustments both = AdjustBoth(c.known, counts);
    const auto& w = both.engine;
    ExpectSamePoint(both);
    EXPECT_NEAR(w.mb, both.lsq.sigma0, 1e-4 * both.lsq.sigma0);
    EXPECT_NEAR(w.invPs, both.lsqInvPs, 1e-3 * both.lsqInvPs);
    EXPECT_NEAR(w.invPb, both.lsqInvPb, 1e-3 * both.lsqInvPb);
    // The engine's md takes (1e6/rho)^2 = 23.504 and (ln 10)^2 = 5.302 as 23.5 and 5.3, which
    // alone move it by up to 1.8e-4 of itself from sqrt(sigma0^2 trace Q).
    EXPECT_NEAR(w.md, both.lsqPointErrorMm, 5e-4 * both.lsqPointErrorMm);
  }
}

TEST(CrossCheckTest, WorkedExampleFigure) {
  const KnownMm known = {5000000, 3000000, 6200000, 4000000, 5100000, 5200000};
  const std::array<std::int64_t, 8> counts = {Dms(42, 17, 45), Dms(47, 35, 29), Dms(47, 36, 13),
                                              Dms(42, 30, 39), Dms(44, 59, 57), Dms(44, 53, 15),
                                              Dms(45, 6, 46),  Dms(45, 0, 5)};
  const BothAdjustments both = AdjustBoth(known, counts);
  const auto& w = both.engine;
  ExpectSamePoint(both);
  EXPECT_NEAR(w.mb, both.lsq.sigma0, 1e-4 * both.lsq.sigma0);
  EXPECT_NEAR(w.invPs, both.lsqInvPs, 1e-4 * both.lsqInvPs);
  EXPECT_NEAR(w.invPb, both.lsqInvPb, 1e-3 * both.lsqInvPb);
  EXPECT_NEAR(w.md, both.lsqPointErrorMm, 0.01);
}

}  // namespace
