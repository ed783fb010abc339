// One straight line of the diagram, as a widget of its own so that it carries its control name.
// It covers the box around the line, paints only the line and lets clicks through.
#pragma once

#include <QColor>
#include <QPoint>
#include <QWidget>

namespace velmora::ui {

class LineWidget : public QWidget {
  Q_OBJECT

 public:
  // Ends in window pixels; `width` in logical pixels.
  LineWidget(QWidget* window, QPoint from, QPoint to, QColor colour, int width);

  QPoint from() const { return from_; }
  QPoint to() const { return to_; }
  QColor colour() const { return colour_; }
  int lineWidth() const { return width_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QPoint from_, to_;
  QColor colour_;
  int width_;
};

}  // namespace velmora::ui
