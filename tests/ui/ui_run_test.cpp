// Compute and End through the window: the worked example, the failure rows, a second run over
// the first, text typed into fields, and ending the program.
#include <QAccessible>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <algorithm>

#include "failure_message.h"
#include "fonts.h"
#include "form1.h"
#include "operator_script.h"
#include "run.h"
#include "worked_example.h"

using namespace velmora::ui;
using namespace velmora::ui::testing;

namespace {

FieldTexts ExampleFields() {
  FieldTexts texts;
  for (const QString& name : FieldNames()) texts.insert(name, QString());
  for (const auto& [field, text] : kExampleFields) texts[field] = text;
  return texts;
}

QString Text(const Form1& window, const char* field) {
  return window.findChild<QLineEdit*>(field)->text();
}

// The result texts the engine forms for these inputs, by field, up to where the run stops.
FieldTexts EngineResults(const QStringList& coordinates, const QStringList& angles,
                         std::optional<velmora::RunFailure>* failure = nullptr) {
  velmora::KnownPoints known{coordinates[0].toStdString(), coordinates[1].toStdString(),
                             coordinates[2].toStdString(), coordinates[3].toStdString(),
                             coordinates[4].toStdString(), coordinates[5].toStdString()};
  velmora::ObservedAngles observed;
  for (int i = 1; i <= 8; ++i) observed[i] = angles[i - 1].toStdString();
  const velmora::RunResult result = velmora::RunWhole(known, observed);
  if (failure != nullptr) *failure = result.failure;
  FieldTexts texts;
  for (const velmora::FieldText& t : result.texts) {
    texts.insert(QString::fromUtf8(velmora::FieldName(t.field).data(),
                                   static_cast<qsizetype>(velmora::FieldName(t.field).size())),
                 QString::fromStdString(t.text));
  }
  return texts;
}

// Records every change of every field, in order.
struct WriteLog {
  QStringList writes;
  explicit WriteLog(Form1& window) {
    for (const QString& name : FieldNames()) {
      QObject::connect(window.findChild<QLineEdit*>(name), &QLineEdit::textChanged, &window,
                       [this, name] { writes << name; });
    }
  }
};

}  // namespace

class RunTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { InstallFontSubstitutes(); }

  void workedExampleThroughTheWindow() {
    Form1 window;
    WriteLog log(window);
    OperatorScript script(window,
                          AcceptEach(kExampleCoordinates, kExamplePointName, kExampleAngles));
    PressCompute(window);
    QCOMPARE(ReadFields(window), ExampleFields());
    QVERIFY(script.messages.isEmpty());
    QCOMPARE(script.seen.size(), 29);
    QCOMPARE(script.unexpectedPrompts, 0);
    // The results come last, in the order they are formed.
    const QStringList results = {"Text8",  "Text9",  "Text10", "Text11", "Text12", "Text13",
                                 "Text16", "Text17", "Text15", "Text25", "Text18", "Text14",
                                 "Text21", "Text23", "Text24", "Text19", "Text20"};
    QCOMPARE(log.writes.mid(log.writes.size() - results.size()), results);
    // And they are the engine's texts.
    const FieldTexts engine = EngineResults(kExampleCoordinates, kExampleAngles);
    QCOMPARE(engine.size(), results.size());
    for (auto it = engine.begin(); it != engine.end(); ++it) {
      QCOMPARE(ReadFields(window)[it.key()], it.value());
    }
  }

  // Each way a run can stop: the message names the kind and the place, no prompt comes after
  // it, the fields this run reached hold its texts and all others still show the first run's.
  void failedRun_data() {
    QTest::addColumn<QStringList>("coordinates");
    QTest::addColumn<QStringList>("angles");
    QTest::addColumn<int>("anglesAsked");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("place");
    QTest::addColumn<QStringList>("resultsWritten");
    const QStringList xy = {"5010", "3020", "6230", "4040", "5150", "5260"};
    // Other angles than the worked example's, so that every result this run reaches changes.
    QStringList a = kExampleAngles;
    a[0] = "42.1750";
    a[7] = "45.0001";
    QStringList word = a, cancelled = a, zero = a, reflex = a;
    word[2] = "abc";
    cancelled[0] = "";
    zero[4] = "0";
    reflex[2] = "300";
    QStringList badYb = xy, huge = xy;
    badYb[3] = "40x0";
    huge[0] = "1e200";
    QTest::newRow("angle not a number") << xy << word << 3 << "输入的不是数值"
                                        << "观测角 B(3)" << QStringList{};
    QTest::newRow("angle cancelled") << xy << cancelled << 1 << "输入的不是数值"
                                     << "观测角 B(1)" << QStringList{};
    QTest::newRow("angle zero") << xy << zero << 5 << "除数为零"
                                << "观测角 B(5)" << QStringList{};
    QTest::newRow("coordinate not a number") << badYb << a << 8 << "输入的不是数值"
                                             << "B点横座标 Yb" << QStringList{"Text8", "Text9"};
    QTest::newRow("sine not positive in w(4)")
        << xy << reflex << 8 << "函数参数无效"
        << "极条件闭合差" << QStringList{"Text8", "Text9", "Text10", "Text11", "Text12"};
    QTest::newRow("overflow") << huge << a << 8 << "数值溢出"
                              << "已知边长" << QStringList{"Text8", "Text9"};
  }

  void failedRun() {
    QFETCH(QStringList, coordinates);
    QFETCH(QStringList, angles);
    QFETCH(int, anglesAsked);
    QFETCH(QString, kind);
    QFETCH(QString, place);
    QFETCH(QStringList, resultsWritten);

    Form1 window;
    {
      OperatorScript first(window,
                           AcceptEach(kExampleCoordinates, kExamplePointName, kExampleAngles));
      PressCompute(window);
    }
    OperatorScript script(window, AcceptUntilAngle(coordinates, "Q", angles, anglesAsked));
    PressCompute(window);

    QCOMPARE(script.messages.size(), 1);
    const QString message = script.messages.first();
    QVERIFY2(message.contains("计算中止"), qPrintable(message));
    QVERIFY2(message.contains(kind), qPrintable(message));
    QVERIFY2(message.contains(place), qPrintable(message));
    // No prompt after the failing step: the script was used up exactly.
    QCOMPARE(script.repliesLeft(), 0);
    QCOMPARE(script.unexpectedPrompts, 0);

    FieldTexts expected = ExampleFields();
    const char* coordinateFields[] = {"Text1", "Text2", "Text3", "Text4", "Text5", "Text6"};
    for (int k = 0; k < 6; ++k) expected[coordinateFields[k]] = " " + coordinates[k];
    expected["Text22"] = "   Q";
    for (int i = 0; i < anglesAsked; ++i) expected[QString("Text7_%1").arg(i)] = "  " + angles[i];
    std::optional<velmora::RunFailure> failure;
    const FieldTexts engine = EngineResults(coordinates, angles, &failure);
    QVERIFY(failure.has_value());
    QStringList reached = engine.keys();
    std::sort(reached.begin(), reached.end());
    std::sort(resultsWritten.begin(), resultsWritten.end());
    QCOMPARE(reached, resultsWritten);
    for (auto it = engine.begin(); it != engine.end(); ++it) {
      QVERIFY2(it.value() != ExampleFields()[it.key()], "the rows must change what they reach");
      expected[it.key()] = it.value();
    }
    QCOMPARE(ReadFields(window), expected);
  }

  // A second complete run overwrites every field with its own texts.
  void secondRunOverwritesEverything() {
    Form1 window;
    {
      OperatorScript first(window,
                           AcceptEach(kExampleCoordinates, kExamplePointName, kExampleAngles));
      PressCompute(window);
    }
    const QStringList xy = {"1000.5", "2000.25", "2200", "3100", "1150", "4150"};
    QStringList angles = kExampleAngles;
    angles[0] = "42.1750";
    angles[7] = "45.0001";
    OperatorScript second(window, AcceptEach(xy, "P2", angles));
    PressCompute(window);
    QVERIFY(second.messages.isEmpty());
    const FieldTexts engine = EngineResults(xy, angles);
    QCOMPARE(engine.size(), 17);
    const FieldTexts shown = ReadFields(window);
    for (auto it = engine.begin(); it != engine.end(); ++it) QCOMPARE(shown[it.key()], it.value());
    QCOMPARE(shown["Text1"], QString(" 1000.5"));
    QCOMPARE(shown["Text7_7"], QString("  45.0001"));
    QCOMPARE(shown["Text22"], QString("   P2"));
    QVERIFY(shown["Text14"] != ExampleFields()["Text14"]);
  }

  // Text typed into the fields is never read: the results are the worked example's, and a
  // field the run does not reach keeps what was typed.
  void typedTextIsNeverRead() {
    Form1 window;
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    for (const char* name : {"Text1", "Text3", "Text7_0", "Text7_5", "Text15", "Text25"}) {
      auto* field = window.findChild<QLineEdit*>(name);
      field->setFocus();
      QTest::keyClicks(field, "987.6");
    }
    QCOMPARE(Text(window, "Text15"), QString("987.6"));
    {
      // Stops at the coordinates, before the accuracy figures.
      QStringList xy = kExampleCoordinates;
      xy[5] = "?";
      OperatorScript stopped(window, AcceptEach(xy, kExamplePointName, kExampleAngles));
      PressCompute(window);
      QCOMPARE(stopped.messages.size(), 1);
      QCOMPARE(Text(window, "Text15"), QString("987.6"));
      QCOMPARE(Text(window, "Text25"), QString("987.6"));
      QCOMPARE(Text(window, "Text1"), QString(" 5000"));
    }
    for (const char* name : {"Text1", "Text7_0", "Text15"}) {
      auto* field = window.findChild<QLineEdit*>(name);
      field->setFocus();
      QTest::keyClicks(field, "1");
    }
    OperatorScript script(window,
                          AcceptEach(kExampleCoordinates, kExamplePointName, kExampleAngles));
    PressCompute(window);
    QCOMPARE(ReadFields(window), ExampleFields());
  }

  // End and the close box each end the program's event loop, as in the running program.
  void endAndTheCloseBoxEndTheProgram_data() {
    QTest::addColumn<bool>("closeBox");
    QTest::newRow("End (Command2)") << false;
    QTest::newRow("close box") << true;
  }

  void endAndTheCloseBoxEndTheProgram() {
    QFETCH(bool, closeBox);
    Form1 window;
    OperatorScript script(window, {});
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [] { QCoreApplication::exit(99); });
    watchdog.start(5000);
    QTimer::singleShot(0, &window, [&window, closeBox] {
      if (closeBox) {
        window.close();
      } else {
        QTest::mouseClick(window.findChild<QPushButton*>("Command2"), Qt::LeftButton);
      }
    });
    QCOMPARE(QApplication::exec(), 0);
    QVERIFY(!window.isVisible());
    QVERIFY(script.seen.isEmpty());
  }

  // The fields as a screen reader reads them: name from the captions, the text as value, the
  // control name as description.
  void fieldsThroughTheAccessibilityInterface() {
    Form1 window;
    OperatorScript script(window,
                          AcceptEach(kExampleCoordinates, kExamplePointName, kExampleAngles));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    PressCompute(window);
    const FieldTexts expected = ExampleFields();
    for (const QString& name : FieldNames()) {
      QAccessibleInterface* field =
          QAccessible::queryAccessibleInterface(window.findChild<QLineEdit*>(name));
      QVERIFY(field != nullptr);
      QCOMPARE(field->role(), QAccessible::EditableText);
      QCOMPARE(field->text(QAccessible::Value), expected[name]);
      QCOMPARE(field->text(QAccessible::Description), name);
    }
    QAccessibleInterface* xa =
        QAccessible::queryAccessibleInterface(window.findChild<QLineEdit*>("Text1"));
    QCOMPARE(xa->text(QAccessible::Name), QString("A点 纵座标Xa"));
    QAccessibleInterface* caption =
        QAccessible::queryAccessibleInterface(window.findChild<QWidget*>("Label3"));
    QCOMPARE(caption->role(), QAccessible::StaticText);
    QCOMPARE(caption->text(QAccessible::Name), QString("   A点    纵座标Xa"));
  }

  // Every stage has a place in the message, and every kind its words.
  void everyFailureIsNamed() {
    using velmora::FailureKind;
    using velmora::RunStep;
    const QList<QPair<FailureKind, QString>> kinds = {
        {FailureKind::NotANumber, "输入的不是数值"},
        {FailureKind::DivisionByZero, "除数为零"},
        {FailureKind::Overflow, "数值溢出"},
        {FailureKind::InvalidArgument, "函数参数无效"}};
    const velmora::Outbox none;
    QStringList places;
    for (int step = 0; step <= static_cast<int>(RunStep::Accuracy); ++step) {
      for (const auto& [kind, words] : kinds) {
        const velmora::RunFailure failure{kind, static_cast<RunStep>(step), 1};
        const QString message = FailureMessage(failure, none);
        QVERIFY2(message.contains("计算中止") && message.contains(words), qPrintable(message));
        const QString place = FailurePlaceText(failure, none);
        QVERIFY(!place.isEmpty());
        QVERIFY(message.contains(place));
      }
      places << FailurePlaceText({FailureKind::Overflow, static_cast<RunStep>(step), 1}, none);
    }
    // Thirteen stages, thirteen different places.
    QCOMPARE(QSet<QString>(places.begin(), places.end()).size(), places.size());
    QCOMPARE(FailurePlaceText({FailureKind::NotANumber, RunStep::KnownSides, 1}, none),
             QString("A点纵座标 Xa"));
    QCOMPARE(
        FailurePlaceText({FailureKind::InvalidArgument, RunStep::SecondGroupClosures, 4}, none),
        QString("极条件闭合差 w(4)"));
  }
};

QTEST_MAIN(RunTest)
#include "ui_run_test.moc"
