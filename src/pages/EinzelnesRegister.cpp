// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#include "EinzelnesRegister.h"

#include "DialogHelpers.h"

#include "DialogSeam.h"
#include "Register.h"
#include "RegisterEdit.h"
#include "ui_EinzelnesRegister.h"

#include <QKeyEvent>
#include <QPushButton>
#include <QRegularExpressionValidator>

#include <climits>

namespace {
constexpr int kFirstRegister = 0;
constexpr int kLastRegister = Register::kRegisterCount - 1;
}  // namespace

EinzelnesRegister::EinzelnesRegister(Register &image, QWidget *parent)
    : QDialog(parent),
      image_(image),
      ui_(std::make_unique<Ui::EinzelnesRegister>()),
      content_(image.Text(0)) {
  ui_->setupUi(this);
  KeepTitleVisible(*this);
  // Digits only: a sign or a letter never gets into the field.
  ui_->registernummerLineEdit->setValidator(new QRegularExpressionValidator(
      QRegularExpression(QStringLiteral("[0-9]*")), ui_->registernummerLineEdit));
  ui_->inhaltLineEdit->setMaxLength(Register::kRegisterLength);

  connect(ui_->lesenButton, &QPushButton::clicked, this, &EinzelnesRegister::OnLesen);
  connect(ui_->schreibenButton, &QPushButton::clicked, this, &EinzelnesRegister::OnSchreiben);
  connect(ui_->hilfeButton, &QPushButton::clicked, this, &EinzelnesRegister::OnHilfe);
  AddHelpKey(*this, ui_->hilfeButton);
  connect(ui_->zurueckButton, &QPushButton::clicked, this, &QDialog::reject);
  PutValues();
}

EinzelnesRegister::~EinzelnesRegister() = default;

EinzelnesRegister::Exchange EinzelnesRegister::TakeValues() {
  content_ = ui_->inhaltLineEdit->text();
  const QString digits = ui_->registernummerLineEdit->text().trimmed();
  if (digits.isEmpty()) {
    ShowMessage(this, tr("Geben Sie eine ganze Zahl ein."), QString(), QMessageBox::Warning,
                QMessageBox::Ok);
    ui_->registernummerLineEdit->setFocus();
    return Exchange::NoNumber;
  }
  bool ok = false;
  const int number = digits.toInt(&ok);
  // Only digits can be typed, so a failed conversion is a number too big for an int.
  number_ = ok ? number : INT_MAX;
  if (number_ < kFirstRegister || number_ > kLastRegister) {
    ShowMessage(this,
                tr("Geben Sie eine ganze Zahl zwischen %1 und %2 ein.")
                    .arg(kFirstRegister)
                    .arg(kLastRegister),
                QString(), QMessageBox::Warning, QMessageBox::Ok);
    ui_->registernummerLineEdit->setFocus();
    ui_->registernummerLineEdit->selectAll();
    return Exchange::OutOfRange;
  }
  return Exchange::Taken;
}

void EinzelnesRegister::PutValues() {
  ui_->registernummerLineEdit->setText(QString::number(number_));
  ui_->inhaltLineEdit->setText(content_);
}

// A number past the end shows the last register; a message about the range has been shown.
void EinzelnesRegister::OnLesen() {
  TakeValues();
  if (number_ < kFirstRegister) number_ = kFirstRegister;
  if (number_ > kLastRegister) number_ = kLastRegister;
  content_ = image_.Text(number_);
  PutValues();
}

void EinzelnesRegister::ShowRegister(int reg) {
  number_ = qBound(kFirstRegister, reg, kLastRegister);
  content_ = image_.Text(number_);
  PutValues();
  ui_->inhaltLineEdit->setFocus();
}

void EinzelnesRegister::OnSchreiben() {
  // Without a number the technician has not said which register to replace; writing to the
  // one shown before would overwrite a register nobody named.
  if (TakeValues() == Exchange::NoNumber) return;
  const QString content = content_.toUpper();
  if (!Register::IsHexText(content)) {
    // The fields keep what was typed, so the technician can mend it.
    ShowMessage(this, tr("Hexwert eingeben!"));
    return;
  }
  content_ = content.rightJustified(Register::kRegisterLength, QLatin1Char('0'));
  if (number_ < kFirstRegister || number_ > kLastRegister) {
    number_ = 0;
    PutValues();
    return;
  }
  std::vector<RegisterSpot> spots;
  for (int pos = 0; pos < Register::kRegisterLength; ++pos) spots.push_back({number_, pos});
  RegisterEdit edit(tr("Register %1 schreiben").arg(number_));
  if (image_.Write(spots, content_, &edit)) {
    // Otherwise the closing question would let the change go unsaved.
    image_.SetModified(true);
    if (!edit.IsEmpty()) emit Written(edit);
  }
  PutValues();
}

void EinzelnesRegister::OnHilfe() {
  ShowMessage(this,
              tr("Einzelnes Register Lesen/Schreiben:\n\n"
                 "Hier kann gezielt ein EEPROM-Register im Quorex verändert werden. Diese Funktion "
                 "ist\n"
                 "hauptsächlich für Sondersoftware gedacht oder wenn eine aktuelle Softwareversion "
                 "neue\n"
                 "Funktionen enthält, die durch die Programmiersoftware noch nicht unterstützt "
                 "werden.\n"
                 "\nACHTUNG: Ändern Sie nur Registerstellen, deren Funktion Sie genau kennen. "
                 "Sonst können\n"
                 "Fehlfunktionen des Quorex die Folge sein.\n"),
              tr("Hilfe Einzelnes Register"), QMessageBox::Information, QMessageBox::Ok);
}

void EinzelnesRegister::accept() {
  if (TakeValues() == Exchange::Taken) QDialog::accept();
}

// The dialog's default is an OK without a button of its own: Enter in a field takes the values
// and closes; Enter on a push button presses that button.
void EinzelnesRegister::keyPressEvent(QKeyEvent *event) {
  if (!HandleEnterKey(*this, event)) QDialog::keyPressEvent(event);
}
