#include "line_widget.h"

#include <QPainter>
#include <QPen>
#include <QRect>

namespace velmora::ui {

LineWidget::LineWidget(QWidget* window, QPoint from, QPoint to, QColor colour, int width)
    : QWidget(window), from_(from), to_(to), colour_(colour), width_(width) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setFocusPolicy(Qt::NoFocus);
  // The box of the line, widened by the pen so that a horizontal line has some height.
  setGeometry(QRect(from, to).normalized().adjusted(-width, -width, width, width));
}

void LineWidget::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing, false);
  QPen pen(colour_);
  pen.setWidth(width_);
  painter.setPen(pen);
  const QPoint origin = pos();
  painter.drawLine(from_ - origin, to_ - origin);
}

}  // namespace velmora::ui
