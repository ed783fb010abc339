// Drives the real dialogs of a run as an operator would: waits for each modal dialog, checks that
// it is the one expected, and answers it with keys. A watchdog, or any unexpected dialog, turns
// the driver into one that dismisses everything, so a test fails instead of hanging.
#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <functional>

class QWidget;

namespace velmora::ui::testing {

struct DialogStep {
  enum class Answer {
    TypeAndEnter,    // input box: type the text, press Enter
    Escape,          // input box: press Escape
    CloseBox,        // input box: close it as the window's close box does
    EnterOnMessage,  // message box: press Enter
  };
  QString expected;  // the prompt text, or a part of the message
  Answer answer = Answer::TypeAndEnter;
  QString typed;
  std::function<void(QWidget* dialog)> whileOpen;  // extra checks while the dialog is open
};

class DialogDriver : public QObject {
  Q_OBJECT

 public:
  explicit DialogDriver(QList<DialogStep> steps, int watchdogMs = 30000);
  ~DialogDriver() override;

  QStringList problems;  // every deviation seen; empty when all went as scripted
  int answered = 0;
  bool finished() const { return answered == steps_.size(); }

 private:
  void Poll();
  void Answer(QWidget* dialog, const DialogStep& step);
  void GiveUp(const QString& why);

  QList<DialogStep> steps_;
  QTimer poll_;
  QTimer watchdog_;
  bool givingUp_ = false;
};

}  // namespace velmora::ui::testing
