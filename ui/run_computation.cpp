// Compute and End.
#include <QCoreApplication>

#include "commands.h"
#include "failure_message.h"
#include "form1.h"
#include "prompt_protocol.h"
#include "run.h"

namespace velmora::ui {

namespace {

std::string ToEngineText(const QString& text) {
  return text.toStdString();  // UTF-8
}

// Writes the texts the engine formed, in the order it formed them.
void WriteResults(Form1& window, const Outbox& out) {
  for (const FieldText& text : out) {
    window.SetField(QString::fromUtf8(FieldName(text.field).data(),
                                      static_cast<qsizetype>(FieldName(text.field).size())),
                    QString::fromStdString(text.text));
  }
}

constexpr int kCoordinateCount = 6;  // Xa, Ya, Xb, Yb, Xc, Yc
constexpr int kAngleCount = 8;       // b1 to b8

}  // namespace

void RunComputation(Form1& window) {
  AdjustmentWork work{};
  std::string* const coordinates[kCoordinateCount] = {&work.known.Xa, &work.known.Ya,
                                                      &work.known.Xb, &work.known.Yb,
                                                      &work.known.Xc, &work.known.Yc};
  for (int k = 1; k <= kCoordinateCount; ++k) {
    *coordinates[k - 1] = ToEngineText(PromptConfirmed(window, CoordinateInput(k)));
  }
  AskPointName(window);
  const Outbox none;
  for (int i = 1; i <= kAngleCount; ++i) {
    work.observed[i] = ToEngineText(PromptConfirmed(window, AngleInput(i)));
    // Converted right away: a bad angle stops the run before the next one is asked.
    if (const auto failure = EnterAngle(work, i)) {
      window.ShowFailure(FailureMessage(*failure, none));
      return;
    }
  }
  Outbox out;
  const auto failure = ComputeResults(work, out);
  WriteResults(window, out);
  if (failure) window.ShowFailure(FailureMessage(*failure, out));
}

void EndProgram(Form1& window) {
  window.close();
  QCoreApplication::exit(0);
}

}  // namespace velmora::ui
