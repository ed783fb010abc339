#include "form1.h"

#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <cstring>
#include <utility>

#include "caption_label.h"
#include "commands.h"
#include "control_table.h"
#include "fonts.h"
#include "line_widget.h"

namespace velmora::ui {

namespace {

QColor ToColor(Rgb rgb) {
  return QColor(rgb.red, rgb.green, rgb.blue);
}

QRect ToPixels(const Control& control) {
  return QRect(TwipsToPixels(control.left), TwipsToPixels(control.top),
               TwipsToPixels(control.width), TwipsToPixels(control.height));
}

// What a screen reader speaks for a field: the captions beside it, blanks collapsed.
QString SpokenName(const Control& field) {
  QStringList parts;
  for (const char* label : field.labelledBy) {
    if (label == nullptr) continue;
    parts << QString::fromUtf8(FindControl(label)->caption).simplified();
  }
  return parts.join(QLatin1Char(' '));
}

QWidget* MakeLabel(QWidget* window, const Control& control) {
  auto* label = new CaptionLabel(QString::fromUtf8(control.caption), window);
  // Left and top, wrapped inside the box; no fill, so the window's green shows. The black of the
  // text comes from the window's palette.
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  label->setWordWrap(true);
  return label;
}

QWidget* MakeField(QWidget* window, const Control& control) {
  auto* field = new QLineEdit(window);  // black on white, from the window's palette
  field->setAccessibleName(SpokenName(control));
  return field;
}

QWidget* MakeButton(QWidget* window, const Control& control) {
  auto* button = new QPushButton(QString::fromUtf8(control.caption), window);
  // Not a default button: Enter in a field starts nothing.
  button->setAutoDefault(false);
  button->setDefault(false);
  // A flat face of the button colour with a raised edge, as drawn; the default style would
  // shade the colour into a pale gradient.
  button->setStyleSheet(
      QStringLiteral("QPushButton { background-color: %1; color: black; border: 2px solid; "
                     "border-color: white gray gray white; }"
                     "QPushButton:focus { border-color: white black black white; }"
                     "QPushButton:pressed { border-color: gray white white gray; }")
          .arg(ToColor(kButtonBackground).name()));
  button->setAccessibleName(QString::fromUtf8(control.caption));
  return button;
}

}  // namespace

Form1::Form1(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(QStringLiteral("Velmora"));
  setFont(MakeFont(kWindowFont));
  // Set once here for every control: black captions on the green, black text in white fields.
  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, ToColor(kWindowBackground));
  palette.setColor(QPalette::WindowText, Qt::black);
  palette.setColor(QPalette::Base, Qt::white);
  palette.setColor(QPalette::Text, Qt::black);
  setPalette(palette);
  setAutoFillBackground(true);

  // The whole client area of the layout is always on screen.
  const QSize client(TwipsToPixels(kClientWidthTwips), TwipsToPixels(kClientHeightTwips));
  setMinimumSize(client);
  resize(client);

  // The lines first, so that the captions lie on top of them.
  BuildDiagramLines();
  BuildControls();
  SetTabOrder();
  prompts_ = DialogPrompts(this);
  fields_.value(QStringLiteral("Text1"))->setFocus();
}

void Form1::BuildDiagramLines() {
  for (const DiagramLine& line : DiagramLines()) {
    auto* widget = new LineWidget(this, QPoint(TwipsToPixels(line.x1), TwipsToPixels(line.y1)),
                                  QPoint(TwipsToPixels(line.x2), TwipsToPixels(line.y2)),
                                  ToColor(line.colour), kDiagramLineWidth);
    widget->setObjectName(QString::fromUtf8(line.name));
  }
}

void Form1::BuildControls() {
  // One QFont for each font of the table; a control in the window's own font inherits it.
  const QFont windowFont = font();
  QList<std::pair<FontSpec, QFont>> fonts;
  const auto fontFor = [&fonts](const FontSpec& style) {
    for (const auto& [known, made] : fonts) {
      if (known.pointSize == style.pointSize && std::strcmp(known.family, style.family) == 0)
        return made;
    }
    fonts.append({style, MakeFont(style)});
    return fonts.back().second;
  };
  for (const Control& control : Controls()) {
    QWidget* widget = nullptr;
    switch (control.kind) {
      case ControlKind::Label:
        widget = MakeLabel(this, control);
        break;
      case ControlKind::Field:
        widget = MakeField(this, control);
        fields_.insert(QString::fromUtf8(control.name), static_cast<QLineEdit*>(widget));
        break;
      case ControlKind::Button:
        widget = MakeButton(this, control);
        break;
    }
    widget->setObjectName(QString::fromUtf8(control.name));
    widget->setAccessibleDescription(widget->objectName());
    if (const QFont font = fontFor(control.font); font != windowFont) widget->setFont(font);
    widget->setGeometry(ToPixels(control));
  }
  connect(findChild<QPushButton*>(QStringLiteral("Command1")), &QPushButton::clicked, this,
          [this] { RunComputation(*this); });
  connect(findChild<QPushButton*>(QStringLiteral("Command2")), &QPushButton::clicked, this,
          [this] { EndProgram(*this); });
}

void Form1::SetTabOrder() {
  QWidget* previous = nullptr;
  for (const char* name : TabOrder()) {
    auto* widget = findChild<QWidget*>(QString::fromUtf8(name));
    if (previous != nullptr) setTabOrder(previous, widget);
    previous = widget;
  }
}

void Form1::SetPrompts(Prompts prompts) {
  prompts_ = std::move(prompts);
}

QString Form1::AskInput(const QString& prompt) const {
  return prompts_.askInput(prompt);
}

void Form1::ShowFailure(const QString& message) const {
  prompts_.showFailure(message);
}

void Form1::SetField(const QString& field, const QString& text) {
  QLineEdit* edit = fields_.value(field);
  Q_ASSERT_X(edit != nullptr, "SetField", "no field of that name");
  edit->setText(text);
  edit->setCursorPosition(0);  // show the start of a text wider than its field
}

}  // namespace velmora::ui
