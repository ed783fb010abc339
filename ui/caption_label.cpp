#include "caption_label.h"

#include <QFontMetricsF>
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

void CaptionLabel::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setFont(font());
  painter.setPen(palette().color(QPalette::WindowText));
  for (const CaptionLine& line : LayOutCaption(text(), font(), size())) {
    painter.drawText(QPointF(0, line.baseline), line.text);
  }
}

}  // namespace velmora::ui
