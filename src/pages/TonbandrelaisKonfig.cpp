// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TonbandrelaisKonfig.h"

#include "TonbandrelaisTable.h"
#include "ui_TonbandrelaisKonfig.h"

using namespace TonbandrelaisTable;

TonbandrelaisKonfig::TonbandrelaisKonfig(Register &image, QWidget *parent)
    : ConfigPage(image, Schema(), parent), ui_(std::make_unique<Ui::TonbandrelaisKonfig>()) {
  ui_->setupUi(this);
  BindCheckBox(ui_->relMitTXCheckBox, kRelMitTX);
  BindCheckBox(ui_->relMitJedemSQLCheckBox, kRelMitJedemSQL);
  BindCheckBox(ui_->relMitSQLAufAktiviertemKreisCheckBox, kRelMitSQLAufAktiviertemKreis);
  AcceptDigitsOnly(ui_->nachlaufzeitLineEdit, 0);
  BindNumberField(ui_->nachlaufzeitLineEdit, kNachlaufzeit);

  SetButtons(
      ui_->okButton, ui_->abbrechenButton, ui_->hilfeButton,
      {tr("Hilfe Tonbandrelais Konfiguration"),
       tr("Tonbandrelais Konfiguration:\n"
          "\n"
          "Hier kann eingestellt werden, wann und wie lange das Relais für die Aktivierung der\n"
          "Tonbandaufzeichnung aktiviert wird. Das Relais schaltet nicht die NF, diese ist immer "
          "vorhanden.\n"
          "\n"
          "REL mit TX an: Das Relais wird mit jeder Sendertastung eingeschaltet.\n"
          "\n"
          "REL mit jedem SQL an: Das Relais wird mit jeder Trägererkennung eingeschaltet.\n"
          "\n"
          "REL mit SQL auf aktiviertem Kreis an: Das Relais wird mit Trägererkennung auf einem "
          "aktiviertem\n"
          "Kreis eingeschaltet.\n"
          "\n"
          "Nachlaufzeit in s: Das Relais bleibt nach Wegfall des Einschaltkriteriums\n"
          "(TX oder SQL) noch für die eingestellte Zeit aktiv.\n")});
}

TonbandrelaisKonfig::~TonbandrelaisKonfig() = default;
