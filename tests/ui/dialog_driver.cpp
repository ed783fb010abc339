#include "dialog_driver.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest>

namespace velmora::ui::testing {

namespace {

constexpr int kPollMs = 5;
const char* const kHandled = "velmoraAnswered";

}  // namespace

DialogDriver::DialogDriver(QList<DialogStep> steps, int watchdogMs) : steps_(std::move(steps)) {
  connect(&poll_, &QTimer::timeout, this, &DialogDriver::Poll);
  poll_.start(kPollMs);
  watchdog_.setSingleShot(true);
  connect(&watchdog_, &QTimer::timeout, this,
          [this] { GiveUp(QStringLiteral("watchdog: the run did not end in time")); });
  watchdog_.start(watchdogMs);
}

DialogDriver::~DialogDriver() = default;

void DialogDriver::GiveUp(const QString& why) {
  problems << why;
  givingUp_ = true;
}

void DialogDriver::Poll() {
  QWidget* modal = QApplication::activeModalWidget();
  if (modal == nullptr || !modal->isVisible() || modal->property(kHandled).toBool()) return;
  modal->setProperty(kHandled, true);
  if (!givingUp_ && answered >= steps_.size()) {
    GiveUp(QStringLiteral("unexpected dialog: ") + modal->metaObject()->className());
  }
  if (givingUp_) {
    if (auto* dialog = qobject_cast<QDialog*>(modal)) dialog->reject();
    return;
  }
  Answer(modal, steps_[answered]);
  ++answered;
}

void DialogDriver::Answer(QWidget* modal, const DialogStep& step) {
  if (modal->windowModality() != Qt::ApplicationModal) {
    problems << QStringLiteral("dialog %1 is not application-modal").arg(answered);
  }
  if (step.answer == DialogStep::Answer::EnterOnMessage) {
    auto* box = qobject_cast<QMessageBox*>(modal);
    if (box == nullptr || !box->text().contains(step.expected)) {
      GiveUp(QStringLiteral("step %1: expected a message with \"%2\"")
                 .arg(answered)
                 .arg(step.expected));
      qobject_cast<QDialog*>(modal)->reject();
      return;
    }
    if (step.whileOpen) step.whileOpen(modal);
    QTest::keyClick(box, Qt::Key_Return);
    return;
  }
  auto* input = qobject_cast<QInputDialog*>(modal);
  if (input == nullptr || input->labelText() != step.expected) {
    GiveUp(QStringLiteral("step %1: expected the prompt \"%2\", saw \"%3\"")
               .arg(answered)
               .arg(step.expected, input != nullptr ? input->labelText() : QString()));
    qobject_cast<QDialog*>(modal)->reject();
    return;
  }
  auto* entry = input->findChild<QLineEdit*>();
  auto* buttons = input->findChild<QDialogButtonBox*>();
  if (entry == nullptr || !entry->text().isEmpty()) {
    problems << QStringLiteral("step %1: the entry does not start empty").arg(answered);
  }
  if (buttons == nullptr || buttons->button(QDialogButtonBox::Ok) == nullptr ||
      buttons->button(QDialogButtonBox::Ok)->text() != QStringLiteral("OK") ||
      buttons->button(QDialogButtonBox::Cancel) == nullptr) {
    problems << QStringLiteral("step %1: no OK and Cancel buttons").arg(answered);
  }
  if (step.whileOpen) step.whileOpen(modal);
  switch (step.answer) {
    case DialogStep::Answer::TypeAndEnter:
      QTest::keyClicks(entry, step.typed);
      QTest::keyClick(entry, Qt::Key_Return);
      break;
    case DialogStep::Answer::Escape:
      QTest::keyClick(entry, Qt::Key_Escape);
      break;
    case DialogStep::Answer::CloseBox:
      input->close();
      break;
    case DialogStep::Answer::EnterOnMessage:
      break;
  }
}

}  // namespace velmora::ui::testing
