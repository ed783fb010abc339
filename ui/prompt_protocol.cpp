#include "prompt_protocol.h"

#include "form1.h"
#include "numbers.h"

namespace velmora::ui {

namespace {

// The confirmation prompts are "已输入的" or "这次输入的", what was entered, then this.
const QString kConfirmationTail =
    QStringLiteral(" 是否正确?  输入正确按 Enter 键或 OK 键,  输入错误按 0 (即位: 0 )");

const QString kBlank = QStringLiteral(" ");

struct CoordinateRow {
  const char* first;
  const char* subject;  // what the confirmations name
  const char* correction;
  const char* field;
  bool echoBeforeSecondConfirmation;
};

const CoordinateRow kCoordinates[] = {
    {"请输入左侧已知点 A 的纵座标 Xa:", "左侧已知点 A 的纵座标 Xa",
     "输入左侧已知点 A 正确的纵座标 Xa:", "Text1", true},
    {"请输入左侧已知点 A 的横座标 Ya:", "左侧已知点 A 的横座标 Ya",
     "输入左侧已知点 A 正确的横座标 Ya:", "Text2", false},
    {"请输入中间已知点 B 的纵座标 Xb:", "中间已知点 B 的纵座标 Xb",
     "输入中间已知点 B 正确的纵座标 Xb:", "Text3", false},
    {"请输入中间已知点 B 的横座标 Yb:", "中间已知点 B 的横座标 Yb",
     "输入中间已知点 B 正确的横座标 Yb:", "Text4", false},
    {"请输入右侧已知点 C 的纵座标 Xc:", "右侧已知点 C 的纵座标 Xc",
     "输入右侧已知点 C 正确的纵座标 Xc:", "Text5", true},
    {"请输入右侧已知点 C 的横座标 Yc:", "右侧已知点 C 的横座标 Yc",
     "输入右侧已知点 C 正确的横座标 Yc:", "Text6", false},
};

ConfirmedInput MakeInput(const QString& first, const QString& subject, const QString& correction,
                         const QString& field, const QString& prefix, bool echoBefore) {
  return ConfirmedInput{first,      QStringLiteral("已输入的") + subject + kConfirmationTail,
                        correction, QStringLiteral("这次输入的") + subject + kConfirmationTail,
                        field,      prefix,
                        echoBefore};
}

}  // namespace

ConfirmedInput CoordinateInput(int index) {
  const CoordinateRow& row = kCoordinates[index - 1];
  return MakeInput(QString::fromUtf8(row.first), QString::fromUtf8(row.subject),
                   QString::fromUtf8(row.correction), QString::fromUtf8(row.field), kBlank,
                   row.echoBeforeSecondConfirmation);
}

ConfirmedInput AngleInput(int i) {
  // The prompts say "B(i)" literally; the field being echoed shows which angle is asked.
  return MakeInput(QStringLiteral("请按编号依次输入观测角的数值 B(i):"),
                   QStringLiteral("观测角的数值 B(i)"),
                   QStringLiteral("输入观测角 B(i) 正确的数值:"),
                   QStringLiteral("Text7_%1").arg(i - 1), QStringLiteral("  "), true);
}

bool AsksForCorrection(const QString& reply) {
  const QByteArray utf8 = reply.toUtf8();
  const NumberReading reading = ReadNumber(std::string_view(utf8.constData(), utf8.size()));
  return reading.ok && reading.value == 0;
}

QString PromptConfirmed(Form1& window, const ConfirmedInput& input) {
  QString value = window.AskInput(input.first);
  window.SetField(input.field, input.echoPrefix + value);
  QString reply = window.AskInput(input.firstConfirmation);
  while (AsksForCorrection(reply)) {
    window.SetField(input.field, kBlank);
    value = window.AskInput(input.correction);
    if (input.echoBeforeSecondConfirmation) window.SetField(input.field, input.echoPrefix + value);
    reply = window.AskInput(input.secondConfirmation);
    if (!input.echoBeforeSecondConfirmation) window.SetField(input.field, input.echoPrefix + value);
  }
  window.SetField(input.field, input.echoPrefix + value);
  return value;
}

QString AskPointName(Form1& window) {
  const QString name = window.AskInput(kPointNamePrompt);
  window.SetField(QStringLiteral("Text22"), QStringLiteral("   ") + name);
  return name;
}

}  // namespace velmora::ui
