// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#include "DetailFMS.h"

#include "DialogHelpers.h"

#include "DetailFmsTable.h"
#include "DialogSeam.h"
#include "Register.h"
#include "ui_DetailFMS.h"

#include <QCoreApplication>
#include <QShowEvent>


using namespace DetailFmsTable;

DetailFMS::DetailFMS(QString &text, QWidget *parent)
    : QDialog(parent),
      ui_(std::make_unique<Ui::DetailFMS>()),
      text_(text),
      bos_(ParseTelegram(text).bos),
      land_(ParseTelegram(text).land),
      status_(ParseTelegram(text).status),
      flags_(ParseTelegram(text).flags),
      ort_(ParseTelegram(text).ort),
      fahrzeug_(ParseTelegram(text).fahrzeug) {
  ui_->setupUi(this);
  KeepTitleVisible(*this);
  BindCombo(ui_->bosComboBox, kBosItems, &bos_);
  BindCombo(ui_->landComboBox, kLandItems, &land_);
  BindCombo(ui_->statusComboBox, kStatusItems, &status_);
  ui_->ortLineEdit->setMaxLength(kOrtLength);
  ui_->fahrzeugLineEdit->setMaxLength(kFahrzeugLength);

  connect(ui_->okButton, &QPushButton::clicked, this, &DetailFMS::accept);
  connect(ui_->abbrechenButton, &QPushButton::clicked, this, &DetailFMS::reject);
  connect(ui_->hilfeButton, &QPushButton::clicked, this, &DetailFMS::ShowHelp);
  AddHelpKey(*this, ui_->hilfeButton);
}

DetailFMS::~DetailFMS() = default;

// Fills the list sorted and lets a chosen item set the character; typed text never reaches it
// (the lists are not editable).
void DetailFMS::BindCombo(QComboBox *combo, const ItemTable &table, QChar *character) {
  for (const ListEntry &entry : ListEntries(table)) combo->addItem(entry.text, entry.value);
  combo->setCurrentIndex(-1);
  connect(combo, &QComboBox::currentIndexChanged, this, [this, combo, character](int index) {
    if (loading_ || index < 0) return;
    *character = combo->itemData(index).toChar();
  });
}

void DetailFMS::showEvent(QShowEvent *event) {
  QDialog::showEvent(event);
  if (!event->spontaneous()) LoadControls();
}

void DetailFMS::LoadControls() {
  loading_ = true;
  // Only an upper-case hex digit names an item; anything else shows an empty box and is kept.
  const auto show = [](QComboBox *combo, const ItemTable &table, QChar c) {
    const QString wanted = TextFor(table, c);
    combo->setCurrentIndex(wanted.isEmpty() ? -1 : combo->findText(wanted));
  };
  show(ui_->bosComboBox, kBosItems, bos_);
  show(ui_->landComboBox, kLandItems, land_);
  show(ui_->statusComboBox, kStatusItems, status_);

  // An unknown flags character reads as 0: "TKI 1", "Status", "Baustufe 1".
  const Flags flags = SplitFlags(Register::HexDigitToValue(flags_));
  QRadioButton *const tki[4] = {ui_->tki1RadioButton, ui_->tki2RadioButton, ui_->tki3RadioButton,
                                ui_->tki4RadioButton};
  tki[flags.tki]->setChecked(true);
  (flags.anweisung ? ui_->anweisungRadioButton : ui_->statusRadioButton)->setChecked(true);
  (flags.baustufe2 ? ui_->baustufe2RadioButton : ui_->baustufe1RadioButton)->setChecked(true);

  ui_->ortLineEdit->setText(ort_);
  ui_->fahrzeugLineEdit->setText(fahrzeug_);
  loading_ = false;
}

void DetailFMS::accept() {
  ort_ = ui_->ortLineEdit->text();
  fahrzeug_ = ui_->fahrzeugLineEdit->text();
  Flags flags;
  if (ui_->tki2RadioButton->isChecked()) flags.tki = 1;
  if (ui_->tki3RadioButton->isChecked()) flags.tki = 2;
  if (ui_->tki4RadioButton->isChecked()) flags.tki = 3;
  flags.anweisung = ui_->anweisungRadioButton->isChecked();
  flags.baustufe2 = ui_->baustufe2RadioButton->isChecked();

  const QString telegram = FormatTelegram(
      {bos_, land_, ort_, fahrzeug_, status_, Register::ValueToHexDigit(JoinFlags(flags))});
  // The caller's characters after the telegram stay as they are.
  text_ = telegram + text_.mid(kTelegramLength);
  QDialog::accept();
}

void DetailFMS::ShowHelp() {
  ShowMessage(
      this,
      tr("BOS-Kennung:\n"
         "Hier wird die 1. Stelle des FMS-Telegrammes (0-F) eingestellt.\n\n"
         "Landes-Kennung:\n"
         "Hier wird die 2. Stelle des FMS-Telegrammes (0-F) eingestellt.\n\n"
         "Ortskennung:\n"
         "Hier werden die 3. und 4. Stelle des FMS-Telegrammes (00-FF) eingestellt.\n\n"
         "Fahrzeugkennung:\n"
         "Hier werden die 5. bis 8. Stelle des FMS-Telegrammes (0000-FFFF) eingestellt.\n\n"
         "Status oder Anweisung:\n"
         "Hier wird die 9. Stelle des FMS-Telegrammes (0-F) eingestellt. Zusätzlich wird\n"
         "eingestellt, ob es sich um ein Statustelegramm (vom Fahrzeug zur Leitstelle) oder\n"
         "um ein Anweisungstelegramm (von der Leitstelle zum Fahrzeug) handelt.\n"
         "Handelt es sich um ein PTT-Tastenkennungstelegramm, dann ist hier Status F "
         "einzustellen.\n\n"
         "TKI 1-4:\n"
         "Hier kann eine der 4 möglichen TKI (Taktische Kurz Information) ausgewählt werden.\n"
         "Diese Einstellung wird selten verwendet und ist daher meistens egal.\n\n"
         "Baustufe:\n"
         "Hier wird die FMS Baustufe des Fahrzeugs ausgewählt. Baustufe 1 bedeutet, daß das\n"
         "Fahrzeug nur einen FMS-Geber hat, aber keinen FMS-Auswerter. Bei Baustufe 2 hat das\n"
         "Fahrzeug sowohl einen FMS-Geber, als auch einen FMS-Auswerter. "
         "Anweisungstelegramme\n"
         "werden immer mit Baustufe 2 gesendet.\n"
         "Hier beim Quorex sollte Baustufe 1 für ein Statustelegramm und Baustufe 2 für\n"
         "ein Anweisungstelegramm gewählt werden.\n\n"),
      QString(), QMessageBox::NoIcon, QMessageBox::Ok);
}
