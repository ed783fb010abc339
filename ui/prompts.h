// The two things a run asks of the operator's screen: a modal prompt that returns the typed text,
// and a modal message when a run fails. The window uses real dialogs; tests put a script here.
#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace velmora::ui {

struct Prompts {
  // Shows the prompt text with an empty entry and returns what was typed; Cancel, Escape and the
  // close box return the empty text.
  std::function<QString(const QString& prompt)> askInput;
  // Tells the operator that a run stopped, and why.
  std::function<void(const QString& message)> showFailure;
};

// QInputDialog and QMessageBox, application-modal over `owner`, in its font.
Prompts DialogPrompts(QWidget* owner);

}  // namespace velmora::ui
