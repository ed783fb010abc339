// How every coordinate and angle enters a run: asked, echoed into its field, confirmed, and
// asked again for as long as the operator answers 0.
#pragma once

#include <QString>

namespace velmora::ui {

class Form1;

// One confirmed input: its prompts, its field and its echo.
struct ConfirmedInput {
  QString first;               // asks for the value
  QString firstConfirmation;   // is the value right?
  QString correction;          // asks for the right value
  QString secondConfirmation;  // is the corrected value right?
  QString field;               // "Text1", "Text7_0", ...
  QString echoPrefix;          // blanks in front of the value in the field
  // Xa, Xc and the angles show the corrected value while its confirmation is asked; Ya, Xb, Yb
  // and Yc show a single blank until it is answered.
  bool echoBeforeSecondConfirmation;
};

// The coordinate inputs 1 to 6: Xa, Ya, Xb, Yb, Xc, Yc.
ConfirmedInput CoordinateInput(int index);
// The angle input B(i), i = 1 to 8, echoed into Text7_(i-1).
ConfirmedInput AngleInput(int i);

inline const QString kPointNamePrompt = QStringLiteral("请输入待定点的点名:");

// True when a confirmation reply rejects the value: it reads as the number zero ("0", "0.0",
// " 0 ", "-0"). Any other reply, the empty one and words included, accepts.
bool AsksForCorrection(const QString& reply);

// Asks, echoes and confirms one input; returns the accepted text as typed.
QString PromptConfirmed(Form1& window, const ConfirmedInput& input);

// Asks the name of the new point, unconfirmed, and shows it in Text22.
QString AskPointName(Form1& window);

}  // namespace velmora::ui
