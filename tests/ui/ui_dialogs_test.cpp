// The real prompt and message dialogs, answered with keys: the worked example, Escape and the
// close box, the failure message, and a main window that takes no input while a prompt is open.
#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QWindow>
#include <QtTest>

#include "dialog_driver.h"
#include "fonts.h"
#include "form1.h"
#include "operator_script.h"
#include "prompt_protocol.h"
#include "worked_example.h"

using namespace velmora::ui;
using namespace velmora::ui::testing;

namespace {

using Answer = DialogStep::Answer;

QString Text(const Form1& window, const char* field) {
  return window.findChild<QLineEdit*>(field)->text();
}

// A click or key that goes the way the window system delivers it, through the window, so that
// a modal dialog blocks it as it would block the operator's.
void ClickThroughWindow(Form1& window, const char* button) {
  const QPoint centre = window.findChild<QWidget*>(button)->geometry().center();
  QTest::mouseClick(window.windowHandle(), Qt::LeftButton, Qt::NoModifier, centre);
}

// Every prompt of a run answered by Escape: the values and the name come out empty, each
// confirmation accepts, and the empty first angle stops the run.
QList<DialogStep> EscapeThroughEverything() {
  QList<DialogStep> steps;
  for (int k = 1; k <= 6; ++k) {
    steps.append({CoordinateInput(k).first, Answer::Escape, {}, {}});
    steps.append({CoordinateInput(k).firstConfirmation, Answer::Escape, {}, {}});
  }
  steps.append({kPointNamePrompt, Answer::Escape, {}, {}});
  steps.append({AngleInput(1).first, Answer::Escape, {}, {}});
  steps.append({AngleInput(1).firstConfirmation, Answer::Escape, {}, {}});
  steps.append({QStringLiteral("观测角 B(1)"), Answer::EnterOnMessage, {}, {}});
  return steps;
}

}  // namespace

class DialogsTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { InstallFontSubstitutes(); }

  void workedExampleTypedIntoTheDialogs() {
    Form1 window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QList<DialogStep> steps;
    // Xa typed wrong, rejected with 0 and corrected; the entry is empty again each time.
    steps.append({CoordinateInput(1).first, Answer::TypeAndEnter, "100", {}});
    steps.append({CoordinateInput(1).firstConfirmation, Answer::TypeAndEnter, "0", {}});
    steps.append({CoordinateInput(1).correction, Answer::TypeAndEnter, kExampleCoordinates[0],
                  [&window](QWidget*) { QCOMPARE(Text(window, "Text1"), QString(" ")); }});
    steps.append(
        {CoordinateInput(1).secondConfirmation, Answer::TypeAndEnter, {}, [&window](QWidget*) {
           QCOMPARE(Text(window, "Text1"), QString(" 5000"));
         }});
    for (int k = 2; k <= 6; ++k) {
      steps.append(
          {CoordinateInput(k).first, Answer::TypeAndEnter, kExampleCoordinates[k - 1], {}});
      steps.append({CoordinateInput(k).firstConfirmation, Answer::TypeAndEnter, {}, {}});
    }
    steps.append({kPointNamePrompt, Answer::TypeAndEnter, kExamplePointName, {}});
    for (int i = 1; i <= 8; ++i) {
      steps.append({AngleInput(i).first, Answer::TypeAndEnter, kExampleAngles[i - 1], {}});
      steps.append({AngleInput(i).firstConfirmation, Answer::TypeAndEnter, {}, {}});
    }
    DialogDriver driver(steps);
    window.findChild<QPushButton*>("Command1")->click();
    QVERIFY2(driver.problems.isEmpty(), qPrintable(driver.problems.join('\n')));
    QVERIFY(driver.finished());
    for (const auto& [field, text] : kExampleFields) {
      QCOMPARE(Text(window, field.toUtf8().constData()), text);
    }
  }

  void escapeAndTheCloseBoxGiveTheEmptyText() {
    Form1 window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QList<DialogStep> steps = EscapeThroughEverything();
    // Escape on the first prompt of Xa leaves the bare blank; the close box on its
    // confirmation accepts, as Enter would.
    steps[1].answer = Answer::CloseBox;
    steps[1].whileOpen = [&window](QWidget*) { QCOMPARE(Text(window, "Text1"), QString(" ")); };
    steps[2].whileOpen = [&window](QWidget*) { QCOMPARE(Text(window, "Text1"), QString(" ")); };
    // The failure message says what stopped the run, in its text.
    steps.last().whileOpen = [](QWidget* box) {
      const QString text = static_cast<QMessageBox*>(box)->text();
      QVERIFY2(text.contains("计算中止") && text.contains("输入的不是数值"), qPrintable(text));
    };
    DialogDriver driver(steps);
    window.findChild<QPushButton*>("Command1")->click();
    QVERIFY2(driver.problems.isEmpty(), qPrintable(driver.problems.join('\n')));
    QVERIFY(driver.finished());
    for (const char* field : {"Text1", "Text2", "Text3", "Text4", "Text5", "Text6"}) {
      QCOMPARE(Text(window, field), QString(" "));
    }
    QCOMPARE(Text(window, "Text22"), QString("   "));
    QCOMPARE(Text(window, "Text7_0"), QString("  "));
    QCOMPARE(Text(window, "Text7_1"), QString());
    QCOMPARE(Text(window, "Text8"), QString());
    QVERIFY(window.isVisible());  // back to waiting
  }

  void mainWindowTakesNoInputWhileAPromptIsOpen() {
    Form1 window;
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QList<DialogStep> steps = EscapeThroughEverything();
    bool checked = false;
    steps[0].whileOpen = [&](QWidget* prompt) {
      ClickThroughWindow(window, "Command2");
      ClickThroughWindow(window, "Command1");
      QTest::keyClick(window.windowHandle(), Qt::Key_Return);
      QVERIFY(window.isVisible());
      QCOMPARE(QApplication::activeModalWidget(), prompt);
      checked = true;
    };
    DialogDriver driver(steps);
    // The same kind of click starts the run when no prompt is open.
    ClickThroughWindow(window, "Command1");
    QVERIFY2(driver.problems.isEmpty(), qPrintable(driver.problems.join('\n')));
    QVERIFY(driver.finished());
    QVERIFY(checked);
    QVERIFY(window.isVisible());
  }

  // The driver itself: a dialog it does not expect makes it give up and dismiss everything, so
  // the run ends and the test reports the problem instead of hanging.
  void driverGivesUpInsteadOfHanging() {
    Form1 window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    DialogDriver driver(
        {{QStringLiteral("a prompt the program never shows"), Answer::Escape, {}, {}}});
    window.findChild<QPushButton*>("Command1")->click();
    QCOMPARE(driver.problems.size(), 1);
    QVERIFY(driver.problems.first().contains(CoordinateInput(1).first));
    // Every prompt was cancelled: the run stopped at the empty first angle.
    QCOMPARE(Text(window, "Text7_0"), QString("  "));
    QCOMPARE(Text(window, "Text8"), QString());
  }
};

QTEST_MAIN(DialogsTest)
#include "ui_dialogs_test.moc"
