// Every way a run can fail: the kind, where it stopped, and exactly the texts formed before it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "accuracy.h"
#include "fault_of.h"
#include "run.h"
#include "second_group_solution.h"

namespace velmora {
namespace {

struct FailureCase {
  const char* name;
  KnownPoints known;
  std::array<const char*, 8> angles;
  FailureKind kind;
  RunStep step;
  int index;
  std::vector<ResultField> written;  // the result texts formed before the failure, in order
};

const KnownPoints kKnown = {"5000", "3000", "6200", "4000", "5100", "5200"};
constexpr std::array<const char*, 8> kAngles = {"42.1745", "47.3529", "47.3613", "42.3039",
                                                "44.5957", "44.5315", "45.0646", "45.0005"};

std::array<const char*, 8> With(int i, const char* text) {
  auto angles = kAngles;
  angles[static_cast<std::size_t>(i - 1)] = text;
  return angles;
}

KnownPoints WithCoordinate(std::string KnownPoints::*coordinate, const char* text) {
  KnownPoints known = kKnown;
  known.*coordinate = text;
  return known;
}

using F = ResultField;

TEST(RunFailures, StopAtTheFailingStepWithTheTextsFormedBefore) {
  const FailureCase cases[] = {
      {"angle that is no number",
       kKnown,
       With(3, "47.36l3"),
       FailureKind::NotANumber,
       RunStep::ObservedAngle,
       3,
       {}},
      {"cancelled angle prompt",
       kKnown,
       With(8, ""),
       FailureKind::NotANumber,
       RunStep::ObservedAngle,
       8,
       {}},
      {"angle of zero degrees",
       kKnown,
       With(5, "0"),
       FailureKind::DivisionByZero,
       RunStep::PoleCoefficient,
       5,
       {}},
      {"angle of minus zero",
       kKnown,
       With(2, "-0.0000"),
       FailureKind::DivisionByZero,
       RunStep::PoleCoefficient,
       2,
       {}},
      {"angle beyond the double range",
       kKnown,
       With(1, "1E+400"),
       FailureKind::Overflow,
       RunStep::ObservedAngle,
       1,
       {}},
      // Text8 shows 3.6E+203 seconds; its square overflows before w2 is formed.
      {"huge angle",
       kKnown,
       With(1, "1E+200"),
       FailureKind::Overflow,
       RunStep::FirstGroup,
       0,
       {F::Text8}},
      {"coordinate that is no number",
       WithCoordinate(&KnownPoints::Yb, "4OOO"),
       kAngles,
       FailureKind::NotANumber,
       RunStep::KnownSides,
       4,
       {F::Text8, F::Text9}},
      {"empty coordinate",
       WithCoordinate(&KnownPoints::Xa, ""),
       kAngles,
       FailureKind::NotANumber,
       RunStep::KnownSides,
       1,
       {F::Text8, F::Text9}},
      {"coordinate beyond the double range",
       WithCoordinate(&KnownPoints::Xc, "-2E+308"),
       kAngles,
       FailureKind::Overflow,
       RunStep::KnownSides,
       5,
       {F::Text8, F::Text9}},
      {"coordinates whose squares overflow",
       WithCoordinate(&KnownPoints::Xa, "1E+300"),
       kAngles,
       FailureKind::Overflow,
       RunStep::KnownSides,
       0,
       {F::Text8, F::Text9}},
      // B to A so nearly due west that s s rounds to 1: the arcsine has no quotient.
      {"known direction nearly due west",
       WithCoordinate(&KnownPoints::Xa, "6200.000000001"),
       kAngles,
       FailureKind::DivisionByZero,
       RunStep::KnownSides,
       0,
       {F::Text8, F::Text9}},
      // b6 of -10 degrees keeps triangle BCP closed, but log sin b6 has no value.
      {"adjusted angle with a negative sine",
       kKnown,
       {"42.1745", "47.3529", "47.3613", "42.3039", "100", "-10", "45", "45"},
       FailureKind::InvalidArgument,
       RunStep::SecondGroupClosures,
       4,
       {F::Text8, F::Text9, F::Text10, F::Text11, F::Text12}},
  };
  for (const FailureCase& c : cases) {
    SCOPED_TRACE(c.name);
    ObservedAngles observed;
    for (int i = 1; i <= 8; ++i) observed[i] = c.angles[static_cast<std::size_t>(i - 1)];
    const RunResult run = RunWhole(c.known, observed);
    ASSERT_TRUE(run.failure);
    EXPECT_EQ(run.failure->kind, c.kind);
    EXPECT_EQ(run.failure->step, c.step);
    EXPECT_EQ(run.failure->index, c.index);
    std::vector<ResultField> written;
    for (const FieldText& t : run.texts) written.push_back(t.field);
    EXPECT_EQ(written, c.written);
  }
}

TEST(RunFailures, HugeAngleShowsItsClosureBeforeTheOverflow) {
  ObservedAngles observed;
  for (int i = 1; i <= 8; ++i) observed[i] = kAngles[static_cast<std::size_t>(i - 1)];
  observed[1] = "1E+200";
  const RunResult run = RunWhole(kKnown, observed);
  ASSERT_EQ(run.texts.size(), 1u);
  EXPECT_EQ(run.texts[0].text, "   3.6E+203 秒");
}

TEST(RunFailures, AllCorrectionsZeroLeavesNoRelativeSideError) {
  // No correction at all makes mb and so mLogSide 0: mb is shown, then 1/m divides by zero.
  AdjustmentWork work{};
  work.Sab = work.Sbc = work.Sac = 1000;
  work.Sbp = 2000;
  work.invPb = 0.25;
  work.invPs = 1.1;
  Outbox out;
  ClearFloatingPointFaults();
  const auto fault = FaultOf([&] { AssessAccuracy(work, out); });
  ASSERT_TRUE(fault) << "no failure";
  EXPECT_EQ(fault->kind, FailureKind::DivisionByZero);
  ASSERT_EQ(out.size(), 1u);
  EXPECT_EQ(out[0].field, ResultField::Text15);
  EXPECT_EQ(out[0].text, " 0 秒");
}

TEST(RunFailures, ZeroPivotDividesByZero) {
  AdjustmentWork work{};
  work.normalMatrix[2][2] = 1;
  work.normalMatrix[3][3] = 1;
  work.normalMatrix[4][4] = 1;
  work.normalMatrix[1][5] = 1;
  const auto fault = FaultOf([&] { SolveNormalEquations(work); });
  ASSERT_TRUE(fault) << "no failure";
  EXPECT_EQ(fault->kind, FailureKind::DivisionByZero);
}

TEST(RunFailures, ARunStartsWithClearFaultFlags) {
  // A fault raised outside the engine (by the window between two prompts, say) is not the run's.
  volatile double huge = 1e308;
  volatile double overflowed = huge * 10;
  (void)overflowed;
  ObservedAngles observed;
  for (int i = 1; i <= 8; ++i) observed[i] = kAngles[static_cast<std::size_t>(i - 1)];
  EXPECT_FALSE(RunWhole(kKnown, observed).failure);
}

}  // namespace
}  // namespace velmora
