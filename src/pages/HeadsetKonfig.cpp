// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#include "HeadsetKonfig.h"

#include "HeadsetTable.h"
#include "ui_HeadsetKonfig.h"

using namespace HeadsetTable;

HeadsetKonfig::HeadsetKonfig(Register &image, QWidget *parent)
    : ConfigPage(image, Schema(), parent), ui_(std::make_unique<Ui::HeadsetKonfig>()) {
  ui_->setupUi(this);
  BindComboBox(ui_->mikroSHTasteComboBox, kMikroSHTaste);
  BindComboBox(ui_->mikroHSTasteComboBox, kMikroHSTaste);
  AcceptDigitsOnly(ui_->schwellwertLineEdit, 3);
  BindDigitField(ui_->schwellwertLineEdit, kSchwellwert);

  SetButtons(
      ui_->okButton, ui_->abbrechenButton, ui_->hilfeButton,
      {tr("Hilfe Headsetkonfiguration"),
       tr("Headset Konfiguration:\n"
          "\n"
          "Der Quorex hat eine automatische Erkennung eines angeschlossenen Headsets. Dazu wird "
          "die\n"
          "Versorgungsspannung des Headsets gemessen. Da sich der Ruhestrom und somit die "
          "Versorgungsspannung\n"
          "von Headset zu Headset unterscheidet, kann der Schwellwert eingestellt werden, wenn das "
          "Headset\n"
          "nicht automatisch erkannt wird.\n"
          "\n"
          "Mikro für SH-Taste: Hier wird das Mikrofon für die PTT-Taste am Quorex eingestellt.\n"
          "\n"
          "Mikro für HS-Taste: Hier wird das Mikrofon für die Fußtaste am Quorex eingestellt.\n"
          "\n"
          "SH-Mikro:    Schwanenhalsmikrofon\n"
          "\n"
          "HS-Mikro:    Headsetmikrofon\n"
          "\n"
          "SH/HS Mikro: Schwanenhalsmikrofon wenn kein Headset erkannt wurde, sonst "
          "Headsetmikrofon\n"
          "\n"
          "Schwellwertspannung: 000 - 999 (0-4,995 V)\n")});
}

HeadsetKonfig::~HeadsetKonfig() = default;
