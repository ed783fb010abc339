#include "known_sides.h"

#include <gtest/gtest.h>

#include <cmath>

#include "fault_of.h"
#include "run_failure.h"

namespace velmora {
namespace {

TEST(ComputeAzimuth, EveryQuadrantAndAxis) {
  struct Case {
    double dX, dY, azimuth;
  };
  const Case cases[] = {
      {100, 0, 0},
      {-100, 0, 180},
      {0, 100, 90},
      {0, -100, 270},
      {0, 0, 270},  // coinciding points: the first test decides
      {3, 4, 53.13010235567456},
      {-3, 4, 126.86989764432545},
      {-3, -4, 233.13010235567455},
      {3, -4, 306.8698976443254},
      {1, 1, 45.00000000128619},  // the ten-decimal pi shows in the last digits
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "dX " << c.dX << " dY " << c.dY);
    const double S = std::sqrt(c.dX * c.dX + c.dY * c.dY);
    EXPECT_EQ(ComputeAzimuth(c.dX, c.dY, S), c.azimuth);
  }
}

TEST(ComputeAzimuth, NearlyDueEastDividesByZero) {
  // s s rounds to 1 although dX is not 0: the arcsine through the arctangent has no quotient.
  const auto fault = FaultOf([] { ComputeAzimuth(1e-9, 1000, 1000); });
  ASSERT_TRUE(fault) << "no failure";
  EXPECT_EQ(fault->kind, FailureKind::DivisionByZero);
}

AdjustmentWork Solved(KnownPoints known) {
  AdjustmentWork work{};
  work.known = std::move(known);
  SolveKnownSides(work);
  return work;
}

TEST(SolveKnownSides, RightIsoscelesTriangle) {
  const AdjustmentWork w = Solved({"1000", "1000", "1500", "1500", "1000", "2000"});
  EXPECT_EQ(w.Xa, 1000);
  EXPECT_EQ(w.Yc, 2000);
  EXPECT_EQ(w.Sab, 707.1067811865476);
  EXPECT_EQ(w.Sbc, 707.1067811865476);
  EXPECT_EQ(w.Sac, 1000);
  EXPECT_EQ(w.alphaBA, 225.0000000012862);
  EXPECT_EQ(w.alphaAB, 45.000000001286196);
  EXPECT_EQ(w.alphaAC, 90);
  EXPECT_EQ(w.alphaBC, 134.9999999987138);
  EXPECT_EQ(w.fixedAngleA, 44.999999998713804);
  EXPECT_EQ(w.fixedAngleB, 90.00000000257245);
}

TEST(SolveKnownSides, AzimuthsAndFixedAnglesStayBelowAFullTurn) {
  // A due south of B: alphaBA is exactly 180, so its back azimuth is 0, not 360.
  const AdjustmentWork south = Solved({"1000", "1000", "2000", "1000", "1000", "2000"});
  EXPECT_EQ(south.alphaBA, 180);
  EXPECT_EQ(south.alphaAB, 0);
  // C on the line AB beyond B: the angle BAC is 0, not 360.
  const AdjustmentWork line = Solved({"1000", "1000", "2000", "1000", "3000", "1000"});
  EXPECT_EQ(line.fixedAngleA, 0);
}

TEST(SolveKnownSides, ACoordinateThatIsNoNumberNamesItself) {
  AdjustmentWork work{};
  work.known = {"1000", "1000", "1500", "15OO", "1000", "2000"};
  const auto fault = FaultOf([&] { SolveKnownSides(work); });
  ASSERT_TRUE(fault) << "no failure";
  EXPECT_EQ(fault->kind, FailureKind::NotANumber);
  EXPECT_EQ(fault->index, 4);  // Yb
}

}  // namespace
}  // namespace velmora
