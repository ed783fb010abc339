#include "caption_label.h"

#include <QFontMetricsF>
#include <QHash>
#include <QPainter>
#include <QRegularExpression>

namespace velmora::ui {

namespace {

QString WithoutTrailingBlanks(QString text) {
  while (text.endsWith(QLatin1Char(' '))) text.chop(1);
  return text;
}

// Moves whole characters from the front of `line` into finished lines while it is too wide.
void BreakLongWord(QString& line, const QFontMetricsF& metrics, qreal width, QStringList& lines) {
  while (line.size() > 1 && metrics.horizontalAdvance(line) > width) {
    qsizetype fit = 1;
    while (fit + 1 < line.size() && metrics.horizontalAdvance(line.left(fit + 1)) <= width) ++fit;
    lines << line.left(fit);
    line = line.mid(fit);
  }
}

QStringList BreakAtBlanks(const QString& caption, const QFontMetricsF& metrics, qreal width) {
  // A caption that fits on one line whole keeps every word on it; only its trailing blanks go.
  // (Measuring it once spares the measuring of every run below.)
  if (metrics.horizontalAdvance(caption) <= width) return {WithoutTrailingBlanks(caption)};
  static const QRegularExpression kRuns(QStringLiteral(" +|[^ ]+"));
  QStringList lines;
  QString line;
  for (const QRegularExpressionMatch& run : kRuns.globalMatch(caption)) {
    const QString piece = run.captured();
    const bool blanks = piece.startsWith(QLatin1Char(' '));
    const bool lineHasWords = !line.trimmed().isEmpty();
    if (!blanks && lineHasWords && metrics.horizontalAdvance(line + piece) > width) {
      lines << WithoutTrailingBlanks(line);
      line = piece;
    } else if (!(blanks && line.isEmpty() && !lines.isEmpty())) {
      line += piece;  // blanks that open a continued line are dropped
    }
    BreakLongWord(line, metrics, width, lines);
  }
  lines << WithoutTrailingBlanks(line);
  return lines;
}

}  // namespace

QList<CaptionLine> LayOutCaption(const QString& caption, const QFont& font, QSize box) {
  const QFontMetricsF metrics(font);
  const QStringList texts = BreakAtBlanks(caption, metrics, box.width());
  const qsizetype count = texts.size();
  QList<qreal> baselines;
  if (metrics.lineSpacing() * qreal(count) <= box.height()) {
    for (qsizetype k = 0; k < count; ++k)
      baselines << metrics.ascent() + qreal(k) * metrics.lineSpacing();
  } else {
    // Too tall at the face's own spacing: spread the ink of the lines over the box instead,
    // the first line's ink at the top and the last one's at the bottom (one line: centred).
    QRectF ink;
    for (const QString& text : texts) ink |= metrics.tightBoundingRect(text);
    if (count == 1) {
      baselines << (box.height() - ink.top() - ink.bottom()) / 2;
    } else {
      const qreal first = -ink.top();
      const qreal step = (box.height() - ink.bottom() - first) / qreal(count - 1);
      for (qsizetype k = 0; k < count; ++k) baselines << first + qreal(k) * step;
    }
  }
  QList<CaptionLine> lines;
  for (qsizetype k = 0; k < count; ++k) lines.append(CaptionLine{texts[k], baselines[k]});
  return lines;
}

const QList<CaptionLabel::DrawnLine>& CaptionLabel::Lines() const {
  // Every window lays out the same captions in the same boxes, so the shaped lines are kept for
  // the process, under the caption, the font and the box.
  static QHash<QString, QList<DrawnLine>> laidOut;
  const QString key = font().key() + QLatin1Char('\n') + QString::number(width()) +
                      QLatin1Char('x') + QString::number(height()) + QLatin1Char('\n') + text();
  auto it = laidOut.constFind(key);
  if (it == laidOut.constEnd()) {
    const qreal ascent = QFontMetricsF(font()).ascent();
    QList<DrawnLine> drawn;
    for (const CaptionLine& line : LayOutCaption(text(), font(), size())) {
      QStaticText text(line.text);
      text.setTextFormat(Qt::PlainText);
      text.prepare(QTransform(), font());
      drawn.append(DrawnLine{text, QPointF(0, line.baseline - ascent)});
    }
    it = laidOut.insert(key, drawn);
  }
  return *it;
}

void CaptionLabel::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setFont(font());
  painter.setPen(palette().color(QPalette::WindowText));
  for (const DrawnLine& line : Lines()) painter.drawStaticText(line.topLeft, line.text);
}

}  // namespace velmora::ui
