// qt_dialogs.cpp: the real message and input boxes.
#include "qt_dialogs.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

MsgAnswer QtDialogs::MsgBox(const QString& text, const QString& title, MsgButtons buttons, MsgIcon icon) {
  QMessageBox box(QApplication::activeWindow());
  box.setWindowModality(Qt::ApplicationModal);
  box.setWindowTitle(title);
  box.setText(text);
  box.setTextFormat(Qt::PlainText);
  box.setIcon(icon == MsgIcon::Error ? QMessageBox::Critical : QMessageBox::NoIcon);

  // The first button is the default; Esc and the close box answer with the
  // last one (Cancel or No), or with OK when it is the only button.
  QPushButton* first = nullptr;
  switch (buttons) {
    case MsgButtons::OK:
      first = box.addButton(QMessageBox::Ok);
      box.setEscapeButton(first);
      break;
    case MsgButtons::OKCancel:
      first = box.addButton(QMessageBox::Ok);
      box.setEscapeButton(box.addButton(QMessageBox::Cancel));
      break;
    case MsgButtons::YesNo:
      first = box.addButton(QMessageBox::Yes);
      box.setEscapeButton(box.addButton(QMessageBox::No));
      break;
  }
  box.setDefaultButton(first);
  box.exec();

  switch (box.standardButton(box.clickedButton())) {
    case QMessageBox::Ok: return MsgAnswer::OK;
    case QMessageBox::Yes: return MsgAnswer::Yes;
    case QMessageBox::No: return MsgAnswer::No;
    case QMessageBox::Cancel: return MsgAnswer::Cancel;
    default: break;
  }
  // Nothing was clicked (the box was closed some other way): the escape answer.
  return buttons == MsgButtons::YesNo ? MsgAnswer::No : buttons == MsgButtons::OK ? MsgAnswer::OK : MsgAnswer::Cancel;
}

QString QtDialogs::InputBox(const QString& prompt, const QString& title) {
  QInputDialog box(QApplication::activeWindow());
  box.setWindowModality(Qt::ApplicationModal);
  box.setWindowTitle(title);
  box.setLabelText(prompt);
  box.setInputMode(QInputDialog::TextInput);
  box.setTextValue("");
  box.setOkButtonText(QStringLiteral("OK"));
  box.setCancelButtonText(QStringLiteral("Cancel"));
  if (box.exec() != QDialog::Accepted) return "";
  return box.textValue();
}
