#include "failure_message.h"

#include <algorithm>

namespace velmora::ui {

namespace {

bool WasWritten(const Outbox& written, ResultField field) {
  return std::any_of(written.begin(), written.end(),
                     [field](const FieldText& text) { return text.field == field; });
}

QString CoordinateName(int index) {
  static const char* const kNames[] = {"A点纵座标 Xa", "A点横座标 Ya", "B点纵座标 Xb",
                                       "B点横座标 Yb", "C点纵座标 Xc", "C点横座标 Yc"};
  return QString::fromUtf8(kNames[index - 1]);
}

QString ClosureName(int index) {
  static const char* const kNames[] = {"固定角闭合差 w(1)", "固定角闭合差 w(2)",
                                       "三角形闭合差 w(3)", "极条件闭合差 w(4)"};
  return QString::fromUtf8(kNames[index - 1]);
}

}  // namespace

QString FailureKindText(FailureKind kind) {
  switch (kind) {
    case FailureKind::NotANumber:
      return QStringLiteral("输入的不是数值");
    case FailureKind::DivisionByZero:
      return QStringLiteral("除数为零");
    case FailureKind::Overflow:
      return QStringLiteral("数值溢出");
    case FailureKind::InvalidArgument:
      return QStringLiteral("函数参数无效");
  }
  return QString();
}

QString FailurePlaceText(const RunFailure& failure, const Outbox& written) {
  const int i = failure.index;
  switch (failure.step) {
    case RunStep::ObservedAngle:
      return QStringLiteral("观测角 B(%1)").arg(i);
    case RunStep::PoleCoefficient:
      return QStringLiteral("观测角 B(%1) 的极条件系数").arg(i);
    case RunStep::FirstGroup:
      return WasWritten(written, ResultField::Text8) ? QStringLiteral("三角形闭合差 w2")
                                                     : QStringLiteral("三角形闭合差 w1");
    case RunStep::KnownSides:
      return i >= 1 && i <= 6 ? CoordinateName(i) : QStringLiteral("已知边长和方位角");
    case RunStep::SecondGroupClosures:
      return i >= 1 && i <= 4 ? ClosureName(i) : QStringLiteral("第二组条件方程式闭合差");
    case RunStep::ConditionMatrix:
      return QStringLiteral("第二组条件方程式系数");
    case RunStep::WeightFunctions:
      return QStringLiteral("权函数式系数");
    case RunStep::NormalMatrix:
      return QStringLiteral("法方程式");
    case RunStep::WeightReciprocals:
      return WasWritten(written, ResultField::Text16) ? QStringLiteral("单位权边长权倒数 1/Ps")
                                                      : QStringLiteral("单位权方位角权倒数 1/Pb");
    case RunStep::Correlates:
      return QStringLiteral("法方程式的联系数");
    case RunStep::SecondGroupCorrections:
      return QStringLiteral("第二组改正数");
    case RunStep::NewPoint:
      return QStringLiteral("待定点座标");
    case RunStep::Accuracy:
      if (WasWritten(written, ResultField::Text25)) return QStringLiteral("单位权点位中误差 md");
      if (WasWritten(written, ResultField::Text15)) return QStringLiteral("边长相对中误差 1/m");
      return QStringLiteral("单位权测角中误差 mb");
  }
  return QString();
}

QString FailureMessage(const RunFailure& failure, const Outbox& written) {
  return QStringLiteral("计算中止: %1。\n出错位置: %2。\n窗口中保留已经写出的内容。")
      .arg(FailureKindText(failure.kind), FailurePlaceText(failure, written));
}

}  // namespace velmora::ui
