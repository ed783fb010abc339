// The main window: the fields that echo the inputs and show the results, the diagram of the
// figure, and the two commands Compute (Command1) and End (Command2).
#pragma once

#include <QHash>
#include <QString>
#include <QWidget>

#include "prompts.h"

class QLineEdit;

namespace velmora::ui {

class Form1 : public QWidget {
  Q_OBJECT

 public:
  // Builds the window from the control table, with real dialogs for the prompts. The fonts must
  // have been mapped first (InstallFontSubstitutes).
  explicit Form1(QWidget* parent = nullptr);

  // Replaces the prompt and message dialogs (tests script them).
  void SetPrompts(Prompts prompts);
  QString AskInput(const QString& prompt) const;
  void ShowFailure(const QString& message) const;

  // Replaces the whole text of a field, named as its control ("Text8", "Text7_3"). Fields are
  // only ever written, never read.
  void SetField(const QString& field, const QString& text);

 private:
  void BuildControls();
  void BuildDiagramLines();
  void SetTabOrder();

  QHash<QString, QLineEdit*> fields_;
  Prompts prompts_;
};

}  // namespace velmora::ui
