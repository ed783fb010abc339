#include "numbers.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstring>
#include <limits>
#include <random>
#include <string>

#include "fault_of.h"

namespace velmora {
namespace {

struct TextCase {
  double value;
  const char* text;
};

TEST(NumberToText, FifteenSignificantDigitsShortestForm) {
  const TextCase cases[] = {
      {0.5, "0.5"},
      {-0.25, "-0.25"},
      {12, "12"},
      {1.0 / 3, "0.333333333333333"},
      {0.1 + 0.2, "0.3"},
      {-2.0 / 3, "-0.666666666666667"},
      {532.1, "532.1"},
      {3899.98, "3899.98"},
      {681000, "681000"},
      {0.0001, "0.0001"},
      {123456789012345, "123456789012345"},
      {999999999999999.4, "999999999999999"},
      {9.9999999999999995e14, "1E+15"},  // rounds up into the exponent form
      {1e15, "1E+15"},
      {-1e15, "-1E+15"},
      {1.5e-5, "1.5E-05"},
      {0.00009999999999999999, "0.0001"},  // rounds up out of the exponent form
      {0.00001, "1E-05"},
      {3.6e203, "3.6E+203"},
      {1e100, "1E+100"},
      {std::numeric_limits<double>::max(), "1.79769313486231E+308"},  // stays in range
      {-std::numeric_limits<double>::max(), "-1.79769313486231E+308"},
      {1.797693134862315e308, "1.79769313486231E+308"},
      {std::numeric_limits<double>::denorm_min(), "4.94065645841247E-324"},
      {8.00000000002683, "8.00000000002683"},
      {0.0, "0"},
      {-0.0, "0"},
  };
  for (const TextCase& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(NumberToText(c.value), c.text);
  }
}

TEST(RoundHalfEven, DecidesOnTheDoubleProduct) {
  struct Case {
    double x;
    int decimals;
    double expected;
  };
  const Case cases[] = {
      {2.5, 0, 2},       {3.5, 0, 4},           {-2.5, 0, -2},
      {0.125, 2, 0.12},  {0.375, 2, 0.38},      {2.675, 2, 2.68},
      {1.005, 2, 1},     {2.779, 2, 2.78},      {8.00000000002683, 2, 8},
      {-9.996, 2, -10},  {0.23866, 4, 0.2387},  {3899.9799, 3, 3899.98},
      {1e300, 2, 1e300}, {1.7e308, 2, 1.7e308},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.x << " to " << c.decimals);
    EXPECT_EQ(RoundHalfEven(c.x, c.decimals), c.expected);
  }
}

TEST(RoundHalfEven, SmallNegativeShowsAsZeroWithoutSign) {
  EXPECT_EQ(RoundHalfEven(-0.004, 2), 0);
  EXPECT_EQ(NumberToText(RoundHalfEven(-0.004, 2)), "0");
}

TEST(TruncateTowardZero, DropsTheFraction) {
  EXPECT_EQ(TruncateTowardZero(-30.153), -30);
  EXPECT_EQ(TruncateTowardZero(-2.7), -2);
  EXPECT_EQ(TruncateTowardZero(681.8181818), 681);
  EXPECT_EQ(TruncateTowardZero(0.999), 0);
}

TEST(TextToNumber, ReadsThePlainDecimalGrammar) {
  struct Case {
    const char* text;
    double expected;
  };
  const Case cases[] = {
      {"30.153", 30.153},
      {"  30.153  ", 30.153},
      {"\t5000\t", 5000},
      {"-30.1530", -30.153},
      {"+7", 7},
      {"5.", 5},
      {".5", 0.5},
      {"1E+15", 1e15},
      {"1.5e-05", 1.5e-5},
      {"3.01530E1", 30.153},
      {"0", 0},
      {"-0", 0},
      {"00", 0},
      {"1E-400", 0},
      {"2.3", 2.3},
      {"179.5959", 179.5959},
      {"0.1", 0.1},
      {"1E+308", 1e308},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(TextToNumber(c.text), c.expected);
  }
}

TEST(TextToNumber, RejectsWhatIsNoNumber) {
  const char* texts[] = {"",      " ",   "abc", "inf", "-inf", "nan",  "NaN", "0x10",
                         "0x1p3", "1e",  "1e+", ".",   "-",    "+",    "1,5", "1.2.3",
                         "1 000", "--1", "1-",  "e5",  "1E5.", "１２", "1d5", "Infinity"};
  for (const char* text : texts) {
    SCOPED_TRACE(text);
    const NumberReading reading = ReadNumber(text);
    EXPECT_FALSE(reading.ok);
    EXPECT_EQ(reading.failure, FailureKind::NotANumber);
    const auto fault = FaultOf([&] { TextToNumber(text); });
    ASSERT_TRUE(fault) << "read as a number";
    EXPECT_EQ(fault->kind, FailureKind::NotANumber);
  }
}

TEST(TextToNumber, BeyondTheDoubleRangeIsAnOverflow) {
  for (const char* text : {"1E+400", "-1E+400", "1E+99999999999999999999", "1.8E308"}) {
    SCOPED_TRACE(text);
    const NumberReading reading = ReadNumber(text);
    EXPECT_FALSE(reading.ok);
    EXPECT_EQ(reading.failure, FailureKind::Overflow);
  }
  // Zero with any exponent and tiny values are numbers.
  EXPECT_EQ(TextToNumber("0E+99999999999999999999"), 0);
  EXPECT_EQ(TextToNumber("1E-99999999999999999999"), 0);
}

TEST(TextToNumber, LongEntriesAreReadWholeAndQuickly) {
  const std::string ones(100000, '1');
  EXPECT_EQ(ReadNumber(ones).failure, FailureKind::Overflow);
  EXPECT_EQ(TextToNumber("0." + std::string(100000, '0') + "1E+100001"), 1);
  EXPECT_FALSE(ReadNumber(std::string(100000, '1') + "x").ok);
  EXPECT_EQ(TextToNumber(std::string(100000, ' ') + "42" + std::string(100000, ' ')), 42);
}

TEST(NumberToText, ReadsBackToTheSameText) {
  const double values[] = {1.0 / 3, -1234.5678, 6.02214076e23, 1.5e-5, 0.1 + 0.2, 4099.989};
  for (double x : values) {
    const std::string text = NumberToText(x);
    SCOPED_TRACE(text);
    EXPECT_EQ(NumberToText(TextToNumber(text)), text);
  }
}

// Field texts are written from the rounded integer units; they must be exactly what the general
// conversion writes of the rounded double, for every magnitude, sign and tie.
TEST(WriteRoundedNumberText, AgreesWithTheGeneralConversion) {
  std::mt19937_64 random(20261211);
  std::uniform_real_distribution<double> mantissa(-10, 10);
  std::uniform_int_distribution<int> exponent(-8, 17);
  std::uniform_int_distribution<std::uint64_t> bits;
  for (int n = 0; n < 200000; ++n) {
    const int decimals = n % 5;
    double x = mantissa(random) * std::pow(10.0, exponent(random));
    if (n % 4 == 1) x = std::nearbyint(x * 1000) / 1000 + 0.0005;  // near ties
    if (n % 4 == 2) {
      const std::uint64_t pattern = bits(random);
      if ((pattern >> 52 & 0x7ff) == 0x7ff) continue;  // infinities and NaNs are never shown
      std::memcpy(&x, &pattern, sizeof x);
    }
    char text[kNumberTextCapacity];
    const std::string fast(text, WriteRoundedNumberText(x, decimals, text));
    const std::string general = NumberToText(RoundHalfEven(x, decimals));
    ASSERT_EQ(fast, general) << std::hexfloat << x << " to " << decimals;
  }
}

// Whatever the program writes, it reads back to a number it writes the same way; also at the
// ends of the double range.
TEST(NumberToText, EveryFiniteDoubleReadsBack) {
  std::mt19937_64 random(4099989);
  std::uniform_int_distribution<std::uint64_t> bits;
  for (int n = 0; n < 100000; ++n) {
    std::uint64_t pattern = bits(random);
    if (n % 10 == 0) pattern |= 0x7fe0000000000000;  // the largest binade
    if ((pattern >> 52 & 0x7ff) == 0x7ff) continue;
    double x;
    std::memcpy(&x, &pattern, sizeof x);
    const std::string text = NumberToText(x);
    const NumberReading reading = ReadNumber(text);
    ASSERT_TRUE(reading.ok) << text;
    ASSERT_EQ(NumberToText(reading.value), text);
  }
}

// A desktop session may run under a locale that writes a decimal comma; the numbers the surveyor
// types and reads must not change with it.
TEST(NumberTexts, DoNotFollowTheProcessLocale) {
  const std::string before = std::setlocale(LC_ALL, nullptr);
  if (std::setlocale(LC_ALL, "de_DE.UTF-8") == nullptr) {
    GTEST_SKIP() << "de_DE.UTF-8 is not generated on this machine";
  }
  std::locale::global(std::locale("de_DE.UTF-8"));
  const double read = TextToNumber("30.153");
  const bool commaIsNoNumber = !ReadNumber("30,153").ok;
  const std::string written = NumberToText(-1234.5678);
  const std::string exponent = NumberToText(1.5e-5);
  std::locale::global(std::locale::classic());
  std::setlocale(LC_ALL, before.c_str());
  EXPECT_EQ(read, 30.153);
  EXPECT_TRUE(commaIsNoNumber);
  EXPECT_EQ(written, "-1234.5678");
  EXPECT_EQ(exponent, "1.5E-05");
}

}  // namespace
}  // namespace velmora
