#include "angle_conversion.h"

#include <gtest/gtest.h>

#include "fault_of.h"
#include "run_failure.h"

namespace velmora {
namespace {

TEST(DmsToDegrees, PackedAnglesToDecimalDegrees) {
  struct Case {
    const char* text;
    double degrees;
  };
  const Case cases[] = {
      {"30.1530", 30.258333333333333},
      {"30.153", 30.258333333333333},
      {"2.3", 2.5},                       // F = 230 from the digits, not 100 x 2.3
      {"0.2900", 0.48333333333333334},    // 29/60
      {"30.5", 30.833333333333332},       // 30 deg 50 min
      {"30.153045", 30.258458333333337},  // fractional seconds
      {"179.5959", 179.9997222222222},    // the prescribed order, one ulp below 179.99972222222222
      {"-30.1530", -30.258333333333333},
      {"30.7580", 31.272222222222222},  // minutes and seconds carry over unchecked
      {"90", 90},
      {"0", 0},
      {"3.01530E1", 30.258333333333333},  // exponent form: D and F from the shifted digits
      {"3015.30E-2", 30.258333333333333},
      {"  42.1745 ", 42.295833333333334},
      {"400.0000", 400},  // no reduction to a full turn
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(DmsToDegrees(c.text), c.degrees);
  }
}

TEST(DmsToDegrees, ATextThatIsNoNumberFails) {
  for (const char* text : {"", "abc", "42°17'45\"", "42,1745"}) {
    SCOPED_TRACE(text);
    const auto fault = FaultOf([&] { DmsToDegrees(text); });
    ASSERT_TRUE(fault) << "converted";
    EXPECT_EQ(fault->kind, FailureKind::NotANumber);
  }
}

TEST(DmsToDegrees, HugeAnglesConvertWithoutFailing) {
  // Degrees far beyond a turn are taken at face value; only the double range limits them.
  EXPECT_DOUBLE_EQ(DmsToDegrees("1E+200"), 1e200);
  EXPECT_DOUBLE_EQ(DmsToDegrees("-1E+300"), -1e300);
}

}  // namespace
}  // namespace velmora
