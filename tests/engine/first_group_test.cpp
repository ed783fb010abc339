#include "first_group.h"

#include <gtest/gtest.h>

#include "angle_conversion.h"
#include "run_failure.h"

namespace velmora {
namespace {

AdjustmentWork WithAngles(const char* const (&texts)[8]) {
  AdjustmentWork work{};
  for (int i = 1; i <= 8; ++i) work.B[i] = DmsToDegrees(texts[i - 1]);
  ClearFloatingPointFaults();  // as a run does when it starts
  return work;
}

TEST(AdjustFirstGroup, ClosingTrianglesLeaveTheAnglesAlone) {
  AdjustmentWork work = WithAngles({"45", "45", "45", "45", "60", "30", "60", "30"});
  const auto observed = work.B;
  Outbox out;
  AdjustFirstGroup(work, out);
  ASSERT_EQ(out.size(), 2u);
  EXPECT_EQ(out[0].field, ResultField::Text8);
  EXPECT_EQ(out[0].text, "   0 秒");
  EXPECT_EQ(out[1].field, ResultField::Text9);
  EXPECT_EQ(out[1].text, "   0 秒");
  EXPECT_EQ(work.B, observed);
  EXPECT_EQ(work.firstVv, 0);
}

TEST(AdjustFirstGroup, SharesEachClosureEquallyOverItsTriangle) {
  AdjustmentWork work =
      WithAngles({"45.0002", "45.0002", "45.0002", "45.0002", "60", "30", "60", "29.5950"});
  const auto observed = work.B;
  Outbox out;
  AdjustFirstGroup(work, out);
  ASSERT_EQ(out.size(), 2u);
  EXPECT_EQ(out[0].text, "   8 秒");
  EXPECT_EQ(out[1].text, "   -10 秒");
  // The unrounded closure carries floating noise; only the display rounds it away.
  EXPECT_EQ(3600 * work.w1, 8.00000000002683);
  EXPECT_EQ(work.firstVv, 40.999999999891315);
  for (int k = 1; k <= 4; ++k) EXPECT_NEAR(work.B[k], 45, 1e-12) << k;
  for (int k = 5; k <= 8; ++k) {
    EXPECT_NEAR((work.B[k] - observed[k]) * 3600, 2.5, 1e-9) << k;
  }
  EXPECT_NEAR(((work.B[1] + work.B[2]) + work.B[3]) + work.B[4], 180, 1e-12);
  EXPECT_NEAR(((work.B[5] + work.B[6]) + work.B[7]) + work.B[8], 180, 1e-12);
}

}  // namespace
}  // namespace velmora
