// The prompt protocol through the window: every prompt text, the echo in the fields at every
// prompt, corrections, the confirmation test and the point name.
#include <QLineEdit>
#include <QtTest>

#include "fonts.h"
#include "form1.h"
#include "operator_script.h"
#include "worked_example.h"

using namespace velmora::ui;
using namespace velmora::ui::testing;

namespace {

const QString kTail = " 是否正确?  输入正确按 Enter 键或 OK 键,  输入错误按 0 (即位: 0 )";

struct Texts {
  QString first, firstConfirmation, correction, secondConfirmation;
};

// The four prompts of each coordinate, written out in full, and those of every angle.
const Texts kCoordinateTexts[] = {
    {"请输入左侧已知点 A 的纵座标 Xa:", "已输入的左侧已知点 A 的纵座标 Xa" + kTail,
     "输入左侧已知点 A 正确的纵座标 Xa:", "这次输入的左侧已知点 A 的纵座标 Xa" + kTail},
    {"请输入左侧已知点 A 的横座标 Ya:", "已输入的左侧已知点 A 的横座标 Ya" + kTail,
     "输入左侧已知点 A 正确的横座标 Ya:", "这次输入的左侧已知点 A 的横座标 Ya" + kTail},
    {"请输入中间已知点 B 的纵座标 Xb:", "已输入的中间已知点 B 的纵座标 Xb" + kTail,
     "输入中间已知点 B 正确的纵座标 Xb:", "这次输入的中间已知点 B 的纵座标 Xb" + kTail},
    {"请输入中间已知点 B 的横座标 Yb:", "已输入的中间已知点 B 的横座标 Yb" + kTail,
     "输入中间已知点 B 正确的横座标 Yb:", "这次输入的中间已知点 B 的横座标 Yb" + kTail},
    {"请输入右侧已知点 C 的纵座标 Xc:", "已输入的右侧已知点 C 的纵座标 Xc" + kTail,
     "输入右侧已知点 C 正确的纵座标 Xc:", "这次输入的右侧已知点 C 的纵座标 Xc" + kTail},
    {"请输入右侧已知点 C 的横座标 Yc:", "已输入的右侧已知点 C 的横座标 Yc" + kTail,
     "输入右侧已知点 C 正确的横座标 Yc:", "这次输入的右侧已知点 C 的横座标 Yc" + kTail},
};
const Texts kAngleTexts = {
    "请按编号依次输入观测角的数值 B(i):", "已输入的观测角的数值 B(i)" + kTail,
    "输入观测角 B(i) 正确的数值:", "这次输入的观测角的数值 B(i)" + kTail};
const QString kNamePrompt = "请输入待定点的点名:";

// The worked example's replies, with those of one input (0-5 the coordinates, 6 to 13 the
// angles b1 to b8) replaced by `own`.
QStringList RepliesWith(int input, const QStringList& own) {
  QStringList replies;
  for (int k = 0; k < 14; ++k) {
    const QString value = k < 6 ? kExampleCoordinates[k] : kExampleAngles[k - 6];
    replies << (k == input ? own : QStringList{value, QString()});
    if (k == 5) replies << kExamplePointName;
  }
  return replies;
}

// Where the prompts of an input start when every earlier input was accepted at once.
int FirstPromptOf(int input) {
  return input < 6 ? 2 * input : 2 * input + 1;
}

const Texts& TextsOf(int input) {
  return input < 6 ? kCoordinateTexts[input] : kAngleTexts;
}

}  // namespace

class ProtocolTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { InstallFontSubstitutes(); }

  // A run where every value is accepted at once: the prompts in order, and at each prompt
  // exactly the echoes entered so far and nothing else.
  void everyPromptWithTheFieldsItShows() {
    Form1 window;
    OperatorScript script(window,
                          AcceptEach(kExampleCoordinates, kExamplePointName, kExampleAngles));
    PressCompute(window);

    QStringList expectedPrompts;
    QList<FieldTexts> expectedFields;
    FieldTexts shown;
    for (const QString& name : FieldNames()) shown.insert(name, QString());
    auto ask = [&](const QString& prompt) {
      expectedPrompts << prompt;
      expectedFields << shown;
    };
    const char* coordinateFields[] = {"Text1", "Text2", "Text3", "Text4", "Text5", "Text6"};
    for (int k = 0; k < 6; ++k) {
      ask(kCoordinateTexts[k].first);
      shown[coordinateFields[k]] = " " + kExampleCoordinates[k];
      ask(kCoordinateTexts[k].firstConfirmation);
    }
    ask(kNamePrompt);
    shown["Text22"] = "   " + kExamplePointName;
    for (int i = 0; i < 8; ++i) {
      ask(kAngleTexts.first);
      shown[QString("Text7_%1").arg(i)] = "  " + kExampleAngles[i];
      ask(kAngleTexts.firstConfirmation);
    }

    QCOMPARE(script.prompts(), expectedPrompts);
    for (int j = 0; j < script.seen.size(); ++j) {
      QCOMPARE(script.seen[j].fields, expectedFields[j]);
    }
    QCOMPARE(script.repliesLeft(), 0);
    QCOMPARE(script.unexpectedPrompts, 0);
    QVERIFY(script.messages.isEmpty());
  }

  // One rejection and a corrected value: Xa, Xc and the angles show the corrected value while
  // it is being confirmed, Ya, Xb, Yb and Yc a single blank until the confirmation is answered.
  void correctedOnce_data() {
    QTest::addColumn<int>("input");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("prefix");
    QTest::addColumn<bool>("showsCorrectionWhileConfirming");
    QTest::newRow("Xa") << 0 << "Text1"
                        << " " << true;
    QTest::newRow("Ya") << 1 << "Text2"
                        << " " << false;
    QTest::newRow("Xb") << 2 << "Text3"
                        << " " << false;
    QTest::newRow("Yb") << 3 << "Text4"
                        << " " << false;
    QTest::newRow("Xc") << 4 << "Text5"
                        << " " << true;
    QTest::newRow("Yc") << 5 << "Text6"
                        << " " << false;
    QTest::newRow("b1") << 6 << "Text7_0"
                        << "  " << true;
    QTest::newRow("b4") << 9 << "Text7_3"
                        << "  " << true;
    QTest::newRow("b8") << 13 << "Text7_7"
                        << "  " << true;
  }

  void correctedOnce() {
    QFETCH(int, input);
    QFETCH(QString, field);
    QFETCH(QString, prefix);
    QFETCH(bool, showsCorrectionWhileConfirming);
    const QString right = input < 6 ? kExampleCoordinates[input] : kExampleAngles[input - 6];
    Form1 window;
    OperatorScript script(window, RepliesWith(input, {"100", "0", right, ""}));
    PressCompute(window);

    const int s = FirstPromptOf(input);
    const Texts& texts = TextsOf(input);
    QCOMPARE(script.seen[s].prompt, texts.first);
    QCOMPARE(script.seen[s].fields[field], QString());
    QCOMPARE(script.seen[s + 1].prompt, texts.firstConfirmation);
    QCOMPARE(script.seen[s + 1].fields[field], prefix + "100");
    QCOMPARE(script.seen[s + 2].prompt, texts.correction);
    QCOMPARE(script.seen[s + 2].fields[field], QString(" "));
    QCOMPARE(script.seen[s + 3].prompt, texts.secondConfirmation);
    QCOMPARE(script.seen[s + 3].fields[field],
             showsCorrectionWhileConfirming ? prefix + right : QString(" "));
    if (s + 4 < script.seen.size()) QCOMPARE(script.seen[s + 4].fields[field], prefix + right);
    // The run went on with the corrected value to the worked example's results.
    QCOMPARE(window.findChild<QLineEdit*>(field)->text(), prefix + right);
    QCOMPARE(window.findChild<QLineEdit*>("Text25")->text(), QString(" 1/533000"));
    QCOMPARE(script.unexpectedPrompts, 0);
    QVERIFY(script.messages.isEmpty());
  }

  // Answering 0 again and again repeats the cycle, always with the second confirmation.
  void correctionRepeatedThreeTimes_data() {
    QTest::addColumn<int>("input");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("prefix");
    QTest::addColumn<bool>("showsCorrectionWhileConfirming");
    QTest::newRow("Yb") << 3 << "Text4"
                        << " " << false;
    QTest::newRow("Xc") << 4 << "Text5"
                        << " " << true;
    QTest::newRow("b3") << 8 << "Text7_2"
                        << "  " << true;
  }

  void correctionRepeatedThreeTimes() {
    QFETCH(int, input);
    QFETCH(QString, field);
    QFETCH(QString, prefix);
    QFETCH(bool, showsCorrectionWhileConfirming);
    const QString right = input < 6 ? kExampleCoordinates[input] : kExampleAngles[input - 6];
    Form1 window;
    OperatorScript script(window,
                          RepliesWith(input, {"1", "0", "2", "0.0", "3", " 0 ", right, ""}));
    PressCompute(window);

    const Texts& t = TextsOf(input);
    const QString blank = " ";
    auto whileConfirming = [&](const QString& value) {
      return showsCorrectionWhileConfirming ? prefix + value : blank;
    };
    const QList<QPair<QString, QString>> expected = {
        {t.first, ""},         {t.firstConfirmation, prefix + "1"},
        {t.correction, blank}, {t.secondConfirmation, whileConfirming("2")},
        {t.correction, blank}, {t.secondConfirmation, whileConfirming("3")},
        {t.correction, blank}, {t.secondConfirmation, whileConfirming(right)},
    };
    const int s = FirstPromptOf(input);
    for (int j = 0; j < expected.size(); ++j) {
      QCOMPARE(script.seen[s + j].prompt, expected[j].first);
      QCOMPARE(script.seen[s + j].fields[field], expected[j].second);
    }
    QCOMPARE(script.seen[s + expected.size()].fields[field], prefix + right);
    QCOMPARE(script.unexpectedPrompts, 0);
    QVERIFY(script.messages.isEmpty());
  }

  // A confirmation reply rejects exactly when it reads as the number zero.
  void confirmationReplies_data() {
    QTest::addColumn<QString>("reply");
    QTest::addColumn<bool>("rejects");
    QTest::newRow("0") << "0" << true;
    QTest::newRow("0.0") << "0.0" << true;
    QTest::newRow("blanks around 0") << " 0 " << true;
    QTest::newRow("-0") << "-0" << true;
    QTest::newRow("00") << "00" << true;
    QTest::newRow("+0") << "+0" << true;
    QTest::newRow(".0") << ".0" << true;
    QTest::newRow("0e5") << "0e5" << true;
    QTest::newRow("tab 0") << "\t0" << true;
    QTest::newRow("1") << "1" << false;
    QTest::newRow("0.0001") << "0.0001" << false;
    QTest::newRow("a word") << "no" << false;
    QTest::newRow("letter O") << "O" << false;
    QTest::newRow("empty: OK, Enter or Cancel") << "" << false;
    QTest::newRow("decimal comma") << "0,0" << false;
    QTest::newRow("full-width zero") << "０" << false;
    QTest::newRow("0x0") << "0x0" << false;
  }

  void confirmationReplies() {
    QFETCH(QString, reply);
    QFETCH(bool, rejects);
    Form1 window;
    QStringList own = {"100", reply};
    if (rejects)
      own << "5000"
          << "";
    OperatorScript script(window, RepliesWith(0, own));
    PressCompute(window);
    QCOMPARE(script.seen[2].prompt,
             rejects ? kCoordinateTexts[0].correction : kCoordinateTexts[1].first);
    QCOMPARE(script.seen[2].fields["Text1"], rejects ? QString(" ") : QString(" 100"));
    QCOMPARE(script.unexpectedPrompts, 0);
  }

  // Cancel on a first prompt gives the empty value: the field shows the bare prefix and the
  // confirmation is still asked.
  void cancelOnAFirstPrompt() {
    Form1 window;
    OperatorScript script(window, RepliesWith(0, {"", ""}));
    PressCompute(window);
    QCOMPARE(script.seen[1].prompt, kCoordinateTexts[0].firstConfirmation);
    QCOMPARE(script.seen[1].fields["Text1"], QString(" "));
    QCOMPARE(script.seen[2].prompt, kCoordinateTexts[1].first);
    QCOMPARE(window.findChild<QLineEdit*>("Text1")->text(), QString(" "));
  }

  void emptyPointName() {
    Form1 window;
    QStringList replies = AcceptEach(kExampleCoordinates, "", kExampleAngles);
    OperatorScript script(window, replies);
    PressCompute(window);
    QCOMPARE(script.seen[12].prompt, kNamePrompt);
    QCOMPARE(script.seen[13].prompt, kAngleTexts.first);
    QCOMPARE(script.seen[13].fields["Text22"], QString("   "));
    QCOMPARE(window.findChild<QLineEdit*>("Text22")->text(), QString("   "));
    // The name is never tested: the run goes on to its results.
    QCOMPARE(window.findChild<QLineEdit*>("Text20")->text(), QString("  4099.989"));
  }

  void pointNameAsTyped() {
    Form1 window;
    OperatorScript script(window, AcceptEach(kExampleCoordinates, " 新点 0 ", kExampleAngles));
    PressCompute(window);
    QCOMPARE(window.findChild<QLineEdit*>("Text22")->text(), QString("    新点 0 "));
    QCOMPARE(script.seen.size(), 29);  // the name "0"-like text is not a confirmation
  }
};

QTEST_MAIN(ProtocolTest)
#include "ui_protocol_test.moc"
