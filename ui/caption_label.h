// A label caption laid out as the layout was drawn: from the top left, broken only at blanks,
// and with its lines brought closer together when the face's line spacing would push the last
// line out of the label's box. (The CJK faces have a line spacing of about 1.45 em, so the
// two-line coordinate captions would otherwise lose their second line.)
#pragma once

#include <QFont>
#include <QLabel>
#include <QList>
#include <QPointF>
#include <QSize>
#include <QStaticText>
#include <QString>

namespace velmora::ui {

struct CaptionLine {
  QString text;
  qreal baseline;  // pixels from the top of the label
};

// Breaks `caption` into lines no wider than `box`: at blanks, dropping the blanks at a break; a
// word wider than a line is broken between characters. Then places the baselines.
QList<CaptionLine> LayOutCaption(const QString& caption, const QFont& font, QSize box);

class CaptionLabel : public QLabel {
  Q_OBJECT

 public:
  using QLabel::QLabel;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  struct DrawnLine {
    QStaticText text;
    QPointF topLeft;  // of the line's text, its baseline one ascent lower
  };
  // LayOutCaption of the current caption, font and size, shaped for drawing.
  const QList<DrawnLine>& Lines() const;
};

}  // namespace velmora::ui
