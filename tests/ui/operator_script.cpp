#include "operator_script.h"

#include <QLineEdit>
#include <QPushButton>

#include "control_table.h"

namespace velmora::ui::testing {

QStringList FieldNames() {
  QStringList names;
  for (const Control& control : Controls()) {
    if (control.kind == ControlKind::Field) names << QString::fromUtf8(control.name);
  }
  return names;
}

FieldTexts ReadFields(const Form1& window) {
  FieldTexts texts;
  for (const QString& name : FieldNames()) {
    const auto* field = window.findChild<QLineEdit*>(name);
    texts.insert(name, field != nullptr ? field->text() : QStringLiteral("<missing>"));
  }
  return texts;
}

OperatorScript::OperatorScript(Form1& window, QStringList replies) : replies_(std::move(replies)) {
  Form1* const w = &window;
  window.SetPrompts(Prompts{
      [this, w](const QString& prompt) {
        seen.append(PromptSeen{prompt, ReadFields(*w)});
        if (replies_.isEmpty()) {
          ++unexpectedPrompts;
          return QString();
        }
        return replies_.takeFirst();
      },
      [this](const QString& message) { messages << message; },
  });
}

QStringList OperatorScript::prompts() const {
  QStringList list;
  for (const PromptSeen& p : seen) list << p.prompt;
  return list;
}

void PressCompute(Form1& window) {
  window.findChild<QPushButton*>(QStringLiteral("Command1"))->click();
}

QStringList AcceptUntilAngle(const QStringList& coordinates, const QString& pointName,
                             const QStringList& angles, int lastAngle) {
  QStringList replies;
  for (const QString& value : coordinates) replies << value << QString();
  replies << pointName;
  for (int i = 0; i < lastAngle; ++i) replies << angles[i] << QString();
  return replies;
}

QStringList AcceptEach(const QStringList& coordinates, const QString& pointName,
                       const QStringList& angles) {
  return AcceptUntilAngle(coordinates, pointName, angles, 8);
}

}  // namespace velmora::ui::testing
