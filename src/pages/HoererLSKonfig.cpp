// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#include "HoererLSKonfig.h"

#include "HoererLsTable.h"
#include "ui_HoererLSKonfig.h"

using namespace HoererLsTable;

HoererLSKonfig::HoererLSKonfig(Register &image, QWidget *parent)
    : ConfigPage(image, Schema(), parent), ui_(std::make_unique<Ui::HoererLSKonfig>()) {
  ui_->setupUi(this);
  // Rewritten from the checked button: anything but "0" means "on" and is stored as "1"
  // (the schema's codec says so).
  BindRadios(kHoerer, {ui_->hoererAusRadioButton, ui_->hoererAnRadioButton},
             ui_->hoererAnRadioButton);
  BindRadios(kLautsprecher, {ui_->lautsprecherAusRadioButton, ui_->lautsprecherAnRadioButton},
             ui_->lautsprecherAnRadioButton);

  SetButtons(
      ui_->okButton, ui_->abbrechenButton, ui_->hilfeButton,
      {QString(),
       tr("Hörerkonfiguration: \n"
          "Hier kann eingestellt werden, ob die Hörkapsel im Handhörer bei aufgelegtem\n"
          "Handhörer ausgeschaltet wird oder nicht.\n"
          "Normalerweise wird der Hörer bei aufgelegtem Handapparat ausgeschaltet.\n"
          "Beim Anschluß einer Varnis-Baugruppe wird jedoch der Hörerausgang auch \n"
          "für den Anschluß eines Headsets verwendet und das Headset muß auch bei \n"
          "aufgelegtem Handapparat funktionieren.\n"
          "\n"
          "Lautsprecherkonfiguration:\n"
          "Hier kann eingestellt werden, ob der Lautsprecher bei abgehobenem Handhörer\n"
          "ausgeschaltet wird oder nicht.\n"
          "Normalerweise wird der Lautsprecher beim Abheben des Handapparates ausgeschaltet.\n"),
       QMessageBox::NoIcon});
}

HoererLSKonfig::~HoererLSKonfig() = default;
