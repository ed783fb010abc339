// The main window as built from the control table: every control with its name, caption, place
// and font; the fonts the captions actually resolve to; colours, tab order and the diagram.
#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRawFont>
#include <QtTest>

#include "caption_label.h"
#include "control_table.h"
#include "fonts.h"
#include "form1.h"
#include "line_widget.h"
#include "operator_script.h"

using namespace velmora::ui;

namespace {

QRect Pixels(int left, int top, int width, int height) {
  return QRect(TwipsToPixels(left), TwipsToPixels(top), TwipsToPixels(width),
               TwipsToPixels(height));
}

}  // namespace

class LayoutTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { InstallFontSubstitutes(); }

  void everyControlIsBuiltFromTheTable() {
    Form1 window;
    int checked = 0;
    for (const Control& control : Controls()) {
      const QString name = QString::fromUtf8(control.name);
      QWidget* widget = window.findChild<QWidget*>(name);
      QVERIFY2(widget != nullptr, qPrintable(name));
      QCOMPARE(widget->geometry(),
               Pixels(control.left, control.top, control.width, control.height));
      QCOMPARE(widget->font().family(), QString::fromUtf8(control.font.family));
      QCOMPARE(widget->font().pointSizeF(), control.font.pointSize);
      QVERIFY2(widget->font().bold(), qPrintable(name));
      QCOMPARE(widget->accessibleDescription(), name);
      const QString caption = QString::fromUtf8(control.caption);
      switch (control.kind) {
        case ControlKind::Label: {
          auto* label = qobject_cast<QLabel*>(widget);
          QVERIFY2(label != nullptr, qPrintable(name));
          QCOMPARE(label->text(), caption);
          QVERIFY(label->wordWrap());
          QCOMPARE(label->focusPolicy(), Qt::NoFocus);
          break;
        }
        case ControlKind::Field: {
          auto* field = qobject_cast<QLineEdit*>(widget);
          QVERIFY2(field != nullptr, qPrintable(name));
          QVERIFY2(field->text().isEmpty(), qPrintable(name));
          QVERIFY(!field->isReadOnly());
          QVERIFY2(!field->accessibleName().isEmpty(), qPrintable(name));
          break;
        }
        case ControlKind::Button: {
          auto* button = qobject_cast<QPushButton*>(widget);
          QVERIFY2(button != nullptr, qPrintable(name));
          QCOMPARE(button->text(), caption);
          QCOMPARE(button->accessibleName(), caption);
          QVERIFY(!button->isDefault());
          QVERIFY(!button->autoDefault());
          break;
        }
      }
      ++checked;
    }
    // The heading, Label1 to Label62 with Label9 an array of eight, Text1 to Text25 with Text7
    // an array of eight, and the two buttons.
    QCOMPARE(checked, 1 + 61 + 8 + 24 + 8 + 2);
    QCOMPARE(window.findChildren<QLineEdit*>().size(), 32);
    QCOMPARE(window.findChildren<QPushButton*>().size(), 2);
  }

  // Captions and places written out from the layout drawing, for the controls whose blanks or
  // brackets are easiest to get wrong.
  void captionsAsDrawn_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QRect>("twips");
    QTest::newRow("heading") << "Velmora"
                             << "Velmora" << QRect(6120, 720, 3975, 375);
    QTest::newRow("Xa, four blanks") << "Label3"
                                     << "   A点    纵座标Xa" << QRect(840, 3120, 855, 375);
    QTest::newRow("Ya, three blanks") << "Label4"
                                      << "   A点   横座标Ya" << QRect(840, 3600, 855, 375);
    QTest::newRow("Yc") << "Label7"
                        << "   C点   横座标Yc" << QRect(840, 5520, 855, 375);
    QTest::newRow("angle 1") << "Label9_0"
                             << "B（1）" << QRect(3120, 3240, 615, 255);
    QTest::newRow("angle 8") << "Label9_7"
                             << "B（8）" << QRect(3120, 5760, 615, 255);
    QTest::newRow("w1") << "Label16"
                        << " w1" << QRect(6360, 1800, 375, 255);
    QTest::newRow("w(4)") << "Label27"
                          << " w(4)" << QRect(9600, 2760, 495, 255);
    QTest::newRow("1/Pb caption") << "Label31"
                                  << " 单位权方位角权倒数 " << QRect(6480, 5280, 1815, 255);
    QTest::newRow("results") << "Label37"
                             << "（计 算 结 果）" << QRect(7560, 6480, 1815, 255);
    QTest::newRow("point name") << "Label59"
                                << "点   名" << QRect(8040, 6720, 615, 255);
    QTest::newRow("note") << "Label61"
                          << "注记:bi为观测角" << QRect(11760, 6480, 1815, 255);
    QTest::newRow("b7") << "Label1"
                        << "b7" << QRect(13440, 4440, 255, 255);
    QTest::newRow("Compute") << "Command1"
                             << "计 算" << QRect(7320, 8760, 855, 375);
    QTest::newRow("End") << "Command2"
                         << "结 束" << QRect(8520, 8760, 855, 375);
    QTest::newRow("Text7_7") << "Text7_7"
                             << "" << QRect(3720, 5760, 1215, 285);
    QTest::newRow("Text15") << "Text15"
                            << "" << QRect(7800, 4890, 1095, 285);
  }

  void captionsAsDrawn() {
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QRect, twips);
    Form1 window;
    QWidget* widget = window.findChild<QWidget*>(name);
    QVERIFY(widget != nullptr);
    QCOMPARE(widget->geometry(), Pixels(twips.x(), twips.y(), twips.width(), twips.height()));
    if (auto* label = qobject_cast<QLabel*>(widget)) QCOMPARE(label->text(), caption);
    if (auto* button = qobject_cast<QPushButton*>(widget)) QCOMPARE(button->text(), caption);
  }

  void fieldsSpeakTheirCaptions_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("spoken");
    QTest::newRow("Xa") << "Text1"
                        << "A点 纵座标Xa";
    QTest::newRow("Yc") << "Text6"
                        << "C点 横座标Yc";
    QTest::newRow("b1") << "Text7_0"
                        << "B（1）";
    QTest::newRow("w1") << "Text8"
                        << "三角形闭合差 w1";
    QTest::newRow("w(4)") << "Text13"
                          << "极条件闭合差 w(4)";
    QTest::newRow("mb") << "Text15"
                        << "单位权测角中误差 mb";
    QTest::newRow("1/Ps") << "Text17"
                          << "单位权边长权倒数 1/Ps";
    QTest::newRow("1/m") << "Text25"
                         << "边长相对中误差 1/m";
    QTest::newRow("Xp from A") << "Text14"
                               << "由A点推算待定点的座标 纵座标 Xp";
    QTest::newRow("Yp from B") << "Text24"
                               << "由B点推算待定点的座标 横座标 Yp";
    QTest::newRow("Yp from C") << "Text20"
                               << "由C点推算待定点的座标 横座标 Yp";
  }

  void fieldsSpeakTheirCaptions() {
    QFETCH(QString, field);
    QFETCH(QString, spoken);
    Form1 window;
    auto* edit = window.findChild<QLineEdit*>(field);
    QVERIFY(edit != nullptr);
    QCOMPARE(edit->accessibleName(), spoken);
    QCOMPARE(edit->accessibleDescription(), field);
  }

  void windowShowsTheWholeClientArea() {
    Form1 window;
    QCOMPARE(window.windowTitle(), QStringLiteral("Velmora"));
    QCOMPARE(window.size(), QSize(985, 609));  // 14775 x 9135 twips
    QVERIFY(window.minimumWidth() >= 985 && window.minimumHeight() >= 609);
    for (QWidget* child : window.findChildren<QWidget*>()) {
      QVERIFY2(window.rect().contains(child->geometry()), qPrintable(child->objectName()));
    }
  }

  void coloursOfWindowFieldsAndButtons() {
    Form1 window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QImage image = window.grab().toImage();
    // A point of bare window between the columns.
    QCOMPARE(image.pixelColor(5, 5), QColor(192, 255, 192));
    // The inside of a field, clear of its frame, and the middle of a button below its caption.
    auto* text1 = window.findChild<QLineEdit*>("Text1");
    const QPoint inField = text1->geometry().topRight() + QPoint(-6, 6);
    QCOMPARE(image.pixelColor(inField), QColor(Qt::white));
    for (const char* name : {"Command1", "Command2"}) {
      const QRect button = window.findChild<QPushButton*>(name)->geometry();
      // Beside the caption, inside the raised edge.
      const QPoint face(button.left() + 6, button.center().y());
      QCOMPARE(image.pixelColor(face), QColor(255, 255, 128));
    }
    auto* label = window.findChild<QLabel*>("Label3");
    QCOMPARE(label->palette().color(QPalette::WindowText), QColor(Qt::black));
    QVERIFY(!label->autoFillBackground());
  }

  void sixLinesOfTheDiagram() {
    Form1 window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QImage image = window.grab().toImage();
    const auto lines = window.findChildren<LineWidget*>();
    QCOMPARE(lines.size(), 6);
    struct Expected {
      const char* name;
      QPoint from, to;
      QColor colour;
    };
    // B (12480, 3240), A (11040, 4680), C (13920, 4680), P (12480, 6120) in twips.
    const QPoint b(832, 216), a(736, 312), c(928, 312), p(832, 408);
    const Expected expected[] = {
        {"Line1", b, a, Qt::red},   {"Line2", b, c, Qt::red},   {"Line3", a, c, Qt::red},
        {"Line4", a, p, Qt::black}, {"Line5", c, p, Qt::black}, {"Line6", b, p, Qt::black},
    };
    for (const Expected& e : expected) {
      auto* line = window.findChild<LineWidget*>(e.name);
      QVERIFY2(line != nullptr, e.name);
      QCOMPARE(line->from(), e.from);
      QCOMPARE(line->to(), e.to);
      QCOMPARE(line->colour(), e.colour);
      QCOMPARE(line->lineWidth(), 2);
      // What is on screen: the pixel a third of the way along has the line's colour.
      const QPoint third = e.from + (e.to - e.from) / 3;
      QCOMPARE(image.pixelColor(third), e.colour);
    }
  }

  void tabOrderAndFirstFocus() {
    Form1 window;
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QCOMPARE(QApplication::focusWidget(), window.findChild<QWidget*>("Text1"));
    const QStringList expected = {
        "Text1",   "Text2",   "Text3",   "Text4",   "Text5",   "Text6",    "Text7_0",
        "Text7_1", "Text7_2", "Text7_3", "Text7_4", "Text7_5", "Text7_6",  "Text7_7",
        "Text8",   "Text9",   "Text10",  "Text11",  "Text12",  "Text13",   "Text15",
        "Text16",  "Text17",  "Text18",  "Text19",  "Text20",  "Command1", "Command2",
        "Text22",  "Text14",  "Text21",  "Text23",  "Text24",  "Text25"};
    // Pressing Tab walks the fields and buttons in this order and comes back to Text1.
    QStringList walked;
    for (int i = 0; i <= expected.size(); ++i) {
      QWidget* focus = QApplication::focusWidget();
      QVERIFY(focus != nullptr);
      walked << focus->objectName();
      QTest::keyClick(focus, Qt::Key_Tab);
    }
    QCOMPARE(walked, expected + QStringList{"Text1"});
  }

  void enterInAFieldStartsNothing() {
    Form1 window;
    testing::OperatorScript script(window, {});
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    for (const char* name : {"Text1", "Text13", "Text25"}) {
      QWidget* field = window.findChild<QWidget*>(name);
      field->setFocus();
      QTest::keyClick(field, Qt::Key_Return);
      QTest::keyClick(field, Qt::Key_Enter);
    }
    QVERIFY(script.seen.isEmpty());
    QCOMPARE(script.unexpectedPrompts, 0);
  }

  // The captions must come out in Simplified Chinese forms with no empty boxes: every face the
  // window resolves supports Simplified Chinese and has a glyph for every character it shows.
  void captionFacesSupportSimplifiedChinese() {
    Form1 window;
    const QList<QFontDatabase::WritingSystem> needed = {QFontDatabase::SimplifiedChinese};
    for (const Control& control : Controls()) {
      QWidget* widget = window.findChild<QWidget*>(control.name);
      const QFontInfo info(widget->font());
      const QString family = info.family();
      QVERIFY2(QFontDatabase::writingSystems(family).contains(QFontDatabase::SimplifiedChinese),
               qPrintable(QString("%1 resolves to %2").arg(control.name, family)));
      QVERIFY2(info.bold(), control.name);
      const QRawFont raw = QRawFont::fromFont(widget->font(), QFontDatabase::SimplifiedChinese);
      QVERIFY(raw.isValid());
      for (const QChar ch : QString::fromUtf8(control.caption)) {
        QVERIFY2(raw.supportsCharacter(ch),
                 qPrintable(QString("%1: %2 in %3").arg(control.name, QString(ch), family)));
      }
    }
  }

  // Every caption fits its box: the ink of each line lies inside the label, so nothing is cut
  // off, and the lines together hold every word of the caption.
  void captionsFitTheirBoxes() {
    // Tight glyph boxes come rounded out to whole pixels.
    const qreal kInkSlack = 1.0;
    Form1 window;
    for (const Control& control : Controls()) {
      if (control.kind != ControlKind::Label) continue;
      auto* label = window.findChild<QLabel*>(control.name);
      const QFontMetricsF metrics(label->font());
      const QList<CaptionLine> lines = LayOutCaption(label->text(), label->font(), label->size());
      QStringList words;
      for (const CaptionLine& line : lines) {
        QRectF ink = metrics.tightBoundingRect(line.text).translated(0, line.baseline);
        QVERIFY2(QRectF(label->rect())
                     .adjusted(-kInkSlack, -kInkSlack, kInkSlack, kInkSlack)
                     .contains(ink),
                 qPrintable(QString("%1: \"%2\" ink %3,%4 %5x%6 in %7x%8")
                                .arg(control.name, line.text)
                                .arg(ink.x())
                                .arg(ink.y())
                                .arg(ink.width())
                                .arg(ink.height())
                                .arg(label->width())
                                .arg(label->height())));
        words << line.text.split(' ', Qt::SkipEmptyParts);
      }
      QCOMPARE(words, label->text().split(' ', Qt::SkipEmptyParts));
    }
  }

  // The coordinate captions show on two lines, broken at the blanks as drawn.
  void coordinateCaptionsOnTwoLines_data() {
    QTest::addColumn<QString>("label");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("Xa") << "Label3" << QStringList{"   A点", "纵座标Xa"};
    QTest::newRow("Ya") << "Label4" << QStringList{"   A点", "横座标Ya"};
    QTest::newRow("Yb") << "Label8" << QStringList{"   B点", "横座标Yb"};
    QTest::newRow("Xc") << "Label6" << QStringList{"   C点", "纵座标Xc"};
  }

  void coordinateCaptionsOnTwoLines() {
    QFETCH(QString, label);
    QFETCH(QStringList, lines);
    Form1 window;
    auto* widget = window.findChild<QLabel*>(label);
    QStringList shown;
    for (const CaptionLine& line : LayOutCaption(widget->text(), widget->font(), widget->size())) {
      shown << line.text;
    }
    QCOMPARE(shown, lines);
  }

  void songCaptionsUseASongFace() {
    Form1 window;
    for (const char* name : {"Velmora", "Label12", "Label19", "Label37", "Label61"}) {
      const QFontInfo info(window.findChild<QWidget*>(name)->font());
      QCOMPARE(info.family(), QString(kSongSubstitute));
    }
    for (const char* name : {"Label3", "Label58", "Text1", "Command1", "Label40"}) {
      const QFontInfo info(window.findChild<QWidget*>(name)->font());
      QCOMPARE(info.family(), QString(kSansSubstitute));
    }
  }
};

QTEST_MAIN(LayoutTest)
#include "ui_layout_test.moc"
