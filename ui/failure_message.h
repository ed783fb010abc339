// The message a failed run shows: that the computation stopped, of which kind the failure was,
// and at which input or stage.
#pragma once

#include <QString>

#include "run.h"

namespace velmora::ui {

// The kind in words: 输入的不是数值, 除数为零, 数值溢出, 函数参数无效.
QString FailureKindText(FailureKind kind);

// The input or stage, such as "观测角 B(3)" or "极条件闭合差 w(4)". `written` holds the result
// texts the run wrote before it stopped; it tells which of two quantities of one stage failed.
QString FailurePlaceText(const RunFailure& failure, const Outbox& written);

// The whole message, kind and place in its text.
QString FailureMessage(const RunFailure& failure, const Outbox& written);

}  // namespace velmora::ui
