// The worked example of the method, end to end: A (5000, 3000), B (6200, 4000), C (5100, 5200),
// P near (3900, 4100), with its eight observed angles.
#include <gtest/gtest.h>

#include <clocale>
#include <cstring>
#include <locale>
#include <new>

#include "run.h"

namespace velmora {
namespace {

// Quantities the method's tables give to four decimals.
constexpr double kFourDecimals = 0.5e-4;

AdjustmentWork WorkedExample() {
  AdjustmentWork work{};
  work.known = {"5000", "3000", "6200", "4000", "5100", "5200"};
  const char* angles[] = {"42.1745", "47.3529", "47.3613", "42.3039",
                          "44.5957", "44.5315", "45.0646", "45.0005"};
  for (int i = 1; i <= 8; ++i) work.observed[i] = angles[i - 1];
  return work;
}

TEST(WorkedExample, EveryResultText) {
  AdjustmentWork work = WorkedExample();
  const RunResult run = RunWhole(work);
  ASSERT_FALSE(run.failure);
  const std::pair<ResultField, const char*> expected[] = {
      {ResultField::Text8, "   6 秒"},       {ResultField::Text9, "   3 秒"},
      {ResultField::Text10, "  -3.22 秒"},   {ResultField::Text11, "  5.3 秒"},
      {ResultField::Text12, "  0.5 秒"},     {ResultField::Text13, "-0.92 单位"},
      {ResultField::Text16, "   0.2387"},    {ResultField::Text17, "   1.1105"},
      {ResultField::Text15, " 2.78 秒"},     {ResultField::Text25, " 1/533000"},
      {ResultField::Text18, "  21.69 毫米"}, {ResultField::Text14, "  3899.98"},
      {ResultField::Text21, "  4099.989"},   {ResultField::Text23, "  3899.98"},
      {ResultField::Text24, "  4099.989"},   {ResultField::Text19, "  3899.98"},
      {ResultField::Text20, "  4099.989"},
  };
  ASSERT_EQ(run.texts.size(), std::size(expected));
  for (std::size_t i = 0; i < std::size(expected); ++i) {
    SCOPED_TRACE(FieldName(expected[i].first));
    EXPECT_EQ(run.texts[i].field, expected[i].first);
    EXPECT_EQ(run.texts[i].text, expected[i].second);
  }
}

TEST(WorkedExample, SecondGroupClosuresCorrelatesAndCorrections) {
  AdjustmentWork w = WorkedExample();
  ASSERT_FALSE(RunWhole(w).failure);
  EXPECT_NEAR(3600 * w.w1, 6, 1e-9);
  EXPECT_NEAR(3600 * w.w2, 3, 1e-9);
  const double closures[] = {-3.2201, 5.3035, 0.5, -9.1969};
  const double correlates[] = {5.1585, -2.4839, -0.4037, 0.5541};
  for (int r = 1; r <= 4; ++r) {
    EXPECT_NEAR(w.secondClosure[r], closures[r - 1], kFourDecimals) << "w(" << r << ")";
    EXPECT_NEAR(w.solution[r], correlates[r - 1], kFourDecimals) << "k(" << r << ")";
  }
  const double corrections[] = {-2.0745, 3.2201, 0.5960, -1.7417, 1.9917, -0.3461, 1.5834, -3.2291};
  for (int i = 1; i <= 8; ++i) {
    EXPECT_NEAR(w.secondCorrection[i], corrections[i - 1], kFourDecimals) << "v(" << i << ")";
  }
  EXPECT_NEAR(w.firstVv, 11.25, 1e-9);
  EXPECT_NEAR(w.secondVv, 35.0823, kFourDecimals);
}

TEST(WorkedExample, WeightReciprocalsNewPointAndAccuracy) {
  AdjustmentWork w = WorkedExample();
  ASSERT_FALSE(RunWhole(w).failure);
  EXPECT_NEAR(w.invPb, 0.2387, kFourDecimals);
  // With the side coefficient LogSinePerSecond / tan(b2 + b3) on the angles at A; without it the
  // side function loses the term of the angle opposite BP and 1/Ps reads 1.3215.
  EXPECT_NEAR(w.invPs, 1.1105, kFourDecimals);
  EXPECT_NEAR(w.alphaAP, 135.0008, kFourDecimals);
  EXPECT_NEAR(w.Sap, 1555.6417, kFourDecimals);
  EXPECT_NEAR(w.alphaBP, 177.5107, kFourDecimals);
  EXPECT_NEAR(w.Sbp, 2302.1925, kFourDecimals);
  EXPECT_NEAR(w.alphaCP, 222.5102, kFourDecimals);
  EXPECT_NEAR(w.Scp, 1627.9040, kFourDecimals);
  for (double x : {w.XpFromA, w.XpFromB, w.XpFromC}) EXPECT_NEAR(x, 3899.9799, kFourDecimals);
  for (double y : {w.YpFromA, w.YpFromB, w.YpFromC}) EXPECT_NEAR(y, 4099.9895, kFourDecimals);
  EXPECT_NEAR(w.mb, 2.7789, kFourDecimals);
  EXPECT_NEAR(w.md, 21.69, 0.005);
  EXPECT_EQ(w.relErrorDenominator, 533000);
}

TEST(WorkedExample, ReducedPivotsFollowTheOperationOrder) {
  AdjustmentWork w = WorkedExample();
  ASSERT_FALSE(RunWhole(w).failure);
  // The working matrix holds the reduction of the correlate solve.
  EXPECT_EQ(w.normalMatrix[1][1], 0.75);
  EXPECT_EQ(w.normalMatrix[2][2], 1.4166666666666667);  // 17/12
  EXPECT_EQ(w.normalMatrix[3][3], 0.7058823529411764);  // 12/17 less one unit in the last place
}

TEST(WholeRun, TwoRunsOnTheSameInputAgreeToTheBit) {
  AdjustmentWork first = WorkedExample();
  AdjustmentWork second = WorkedExample();
  const RunResult a = RunWhole(first);
  const RunResult b = RunWhole(second);
  ASSERT_EQ(a.texts.size(), b.texts.size());
  for (std::size_t i = 0; i < a.texts.size(); ++i) EXPECT_EQ(a.texts[i].text, b.texts[i].text);
  EXPECT_EQ(first.secondClosure, second.secondClosure);
  EXPECT_EQ(first.XpFromC, second.XpFromC);
}

// Several sums start from the record's zeros: a new record must read 0 everywhere, whatever the
// memory held before, also in rows no stage writes.
TEST(WholeRun, ANewRecordIsZeroEverywhere) {
  alignas(AdjustmentWork) unsigned char storage[sizeof(AdjustmentWork)];
  std::memset(storage, 0xA5, sizeof storage);
  const AdjustmentWork* w = new (storage) AdjustmentWork;
  const auto zero = [](const auto& array) {
    for (double x : array) EXPECT_EQ(x, 0);
  };
  zero(w->B), zero(w->poleCoef), zero(w->secondClosure), zero(w->solution);
  zero(w->secondCorrection);
  for (const auto& row : w->conditionMatrix) zero(row);
  for (const auto& row : w->normalMatrix) zero(row);
  for (const auto& row : w->normalCopy) zero(row);
  double AdjustmentWork::*const scalars[] = {&AdjustmentWork::Xa,
                                             &AdjustmentWork::Yc,
                                             &AdjustmentWork::w1,
                                             &AdjustmentWork::w2,
                                             &AdjustmentWork::firstVv,
                                             &AdjustmentWork::Sab,
                                             &AdjustmentWork::Sbc,
                                             &AdjustmentWork::Sac,
                                             &AdjustmentWork::alphaBA,
                                             &AdjustmentWork::fixedAngleB,
                                             &AdjustmentWork::secondVv,
                                             &AdjustmentWork::sideCoefA,
                                             &AdjustmentWork::sideCoefC,
                                             &AdjustmentWork::invPb,
                                             &AdjustmentWork::invPs,
                                             &AdjustmentWork::XpFromA,
                                             &AdjustmentWork::Sbp,
                                             &AdjustmentWork::YpFromC,
                                             &AdjustmentWork::mb,
                                             &AdjustmentWork::mLogSide,
                                             &AdjustmentWork::md,
                                             &AdjustmentWork::shortestSide,
                                             &AdjustmentWork::relErrorDenominator};
  for (double AdjustmentWork::*field : scalars) EXPECT_EQ(w->*field, 0);
  EXPECT_TRUE(w->known.Xa.empty());
  EXPECT_TRUE(w->observed[8].empty());
  w->~AdjustmentWork();
}

// Under a locale that writes a decimal comma the window must still show the same texts.
TEST(WholeRun, TextsDoNotFollowTheProcessLocale) {
  AdjustmentWork plain = WorkedExample();
  const RunResult expected = RunWhole(plain);
  const std::string before = std::setlocale(LC_ALL, nullptr);
  if (std::setlocale(LC_ALL, "de_DE.UTF-8") == nullptr) {
    GTEST_SKIP() << "de_DE.UTF-8 is not generated on this machine";
  }
  std::locale::global(std::locale("de_DE.UTF-8"));
  AdjustmentWork localised = WorkedExample();
  const RunResult run = RunWhole(localised);
  std::locale::global(std::locale::classic());
  std::setlocale(LC_ALL, before.c_str());
  ASSERT_FALSE(run.failure);
  ASSERT_EQ(run.texts.size(), expected.texts.size());
  for (std::size_t i = 0; i < run.texts.size(); ++i) {
    EXPECT_EQ(run.texts[i].text, expected.texts[i].text);
  }
}

}  // namespace
}  // namespace velmora
