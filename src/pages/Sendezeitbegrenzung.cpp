// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Sendezeitbegrenzung.h"

#include "SenderTable.h"
#include "VorlaufzeitCodec.h"
#include "ui_Sendezeitbegrenzung.h"

#include <QLineEdit>

using namespace SenderTable;

Sendezeitbegrenzung::Sendezeitbegrenzung(Register &image, QWidget *parent)
    : ConfigPage(image, Schema(), parent), ui_(std::make_unique<Ui::Sendezeitbegrenzung>()) {
  ui_->setupUi(this);
  AcceptDigitsOnly(ui_->sendezeitLineEdit, 3);
  AcceptDigitsOnly(ui_->vorlaufzeitLineEdit, 3);
  BindDigitField(ui_->sendezeitLineEdit, kSendezeit);

  const VorlaufzeitCodec &vorlaufzeit = PageSettings().CodecAt<VorlaufzeitCodec>(kVorlaufzeit[0]);
  for (RegisterSpot spot : kVorlaufzeit) {
    Cover(spot);
    AddControl(spot, ui_->vorlaufzeitLineEdit);
  }
  AddBinding(
      [this] {
        ui_->vorlaufzeitLineEdit->setText(VorlaufzeitCodec::Shown(
            QString(Snapshot(kVorlaufzeit[0])) + Snapshot(kVorlaufzeit[1])));
      },
      [this, &vorlaufzeit] {
        // OK by the Enter key leaves the focus in the field, so it may not be completed yet.
        CompleteVorlaufzeit();
        QString chars;
        QString error;
        if (!vorlaufzeit.Encode(ui_->vorlaufzeitLineEdit->text(), &chars, &error))
          return Refuse(ui_->vorlaufzeitLineEdit, error);
        Cover(kVorlaufzeit[0]) = chars.at(0);
        Cover(kVorlaufzeit[1]) = chars.at(1);
        return true;
      });
  // Fires when the field loses the focus (and on Enter, where OK completes it anyway); also
  // while the page is destroyed, which is why ~ConfigPage cuts it off.
  connect(ui_->vorlaufzeitLineEdit, &QLineEdit::editingFinished, this,
          &Sendezeitbegrenzung::CompleteVorlaufzeit);

  SetButtons(ui_->okButton, ui_->abbrechenButton, ui_->hilfeButton,
             {tr("Hilfe Sendezeitbegrenzung"),
              tr("Sendezeitbegrenzung:\n"
                 "\n"
                 "Hier kann die Sendezeitbegrenzung eingestellt werden. Wird 000 programmiert, "
                 "dann ist die\n"
                 "Sendezeitbegrenzung ausgeschaltet. Sonst wird nach der eingestellten Zeit "
                 "(001-999 s) der\n"
                 "Sender automatisch ausgeschaltet.\n"
                 "\n"
                 "\n"
                 "Sendervorlaufzeit: Hier kann die Sendervorlaufzeit eingestellt werden. Sie "
                 "beginnt mit der \n"
                 "Sendertastung. Während der eingestellten Vorlaufzeit (000-990 ms) wird keine NF "
                 "(mit Aus- \n"
                 "nahme der NF vom Omrel-Modul) zum NF-Ausgang geschaltet.")});
}

Sendezeitbegrenzung::~Sendezeitbegrenzung() = default;

void Sendezeitbegrenzung::CompleteVorlaufzeit() {
  QLineEdit *field = ui_->vorlaufzeitLineEdit;
  const QString completed = VorlaufzeitCodec::Complete(field->text());
  if (field->text() != completed) field->setText(completed);
}
