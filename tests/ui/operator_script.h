// A scripted operator for the main window: answers the prompts from a list, records every prompt
// with what the fields showed at that moment, and collects the failure messages.
#pragma once

#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

#include "form1.h"

namespace velmora::ui::testing {

using FieldTexts = QMap<QString, QString>;  // field name -> text

// Every text field of the window with its text.
FieldTexts ReadFields(const Form1& window);

// The names of all text fields, from the control table.
QStringList FieldNames();

struct PromptSeen {
  QString prompt;
  FieldTexts fields;  // as the window showed them while the prompt was open
};

class OperatorScript {
 public:
  // Installs itself as the window's prompts. Replies are given in order; a prompt beyond the
  // script is recorded as unexpected and answered with the empty text.
  OperatorScript(Form1& window, QStringList replies);

  QList<PromptSeen> seen;
  QStringList messages;
  int unexpectedPrompts = 0;

  QStringList prompts() const;
  int repliesLeft() const { return static_cast<int>(replies_.size()); }

 private:
  QStringList replies_;
};

// Clicks Compute; returns when the run has ended.
void PressCompute(Form1& window);

// Replies that accept every value at its first confirmation (an empty reply, as OK on the empty
// entry): six coordinates, the point name and eight angles.
QStringList AcceptEach(const QStringList& coordinates, const QString& pointName,
                       const QStringList& angles);

// Replies for the coordinates and angles until the angle `lastAngle` (1..8) has been confirmed.
QStringList AcceptUntilAngle(const QStringList& coordinates, const QString& pointName,
                             const QStringList& angles, int lastAngle);

}  // namespace velmora::ui::testing
