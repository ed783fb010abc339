#include "prompts.h"

#include <QInputDialog>
#include <QMessageBox>

namespace velmora::ui {

namespace {

QString AskInputDialog(QWidget* owner, const QString& prompt) {
  QInputDialog dialog(owner);
  dialog.setWindowModality(Qt::ApplicationModal);
  dialog.setFont(owner->font());
  dialog.setInputMode(QInputDialog::TextInput);
  dialog.setLabelText(prompt);
  dialog.setTextValue(QString());
  // The prompts tell the operator to press the button by this name.
  dialog.setOkButtonText(QStringLiteral("OK"));
  dialog.setCancelButtonText(QStringLiteral("Cancel"));
  if (dialog.exec() != QDialog::Accepted) return QString();
  return dialog.textValue();
}

void ShowFailureDialog(QWidget* owner, const QString& message) {
  QMessageBox box(QMessageBox::Warning, QStringLiteral("Velmora"), message, QMessageBox::Ok, owner);
  box.setWindowModality(Qt::ApplicationModal);
  box.setFont(owner->font());
  box.setDefaultButton(QMessageBox::Ok);
  box.setEscapeButton(QMessageBox::Ok);
  box.exec();
}

}  // namespace

Prompts DialogPrompts(QWidget* owner) {
  return Prompts{
      [owner](const QString& prompt) { return AskInputDialog(owner, prompt); },
      [owner](const QString& message) { ShowFailureDialog(owner, message); },
  };
}

}  // namespace velmora::ui
