// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TXKonfig.h"

#include "TxTable.h"
#include "ui_TXKonfig.h"

using namespace TxTable;

TXKonfig::TXKonfig(Register &image, QWidget *parent)
    : ConfigPage(image, Schema(), parent), ui_(std::make_unique<Ui::TXKonfig>()) {
  ui_->setupUi(this);
  QComboBox *const led[4] = {ui_->led1ComboBox, ui_->led2ComboBox, ui_->led3ComboBox,
                             ui_->led4ComboBox};
  QComboBox *const funktion[4] = {ui_->funktion1ComboBox, ui_->funktion2ComboBox,
                                  ui_->funktion3ComboBox, ui_->funktion4ComboBox};
  for (int i = 0; i < 4; ++i) {
    BindComboBox(led[i], kLed[i]);
    BindComboBox(funktion[i], kFunktion[i]);
  }

  SetButtons(ui_->okButton, ui_->abbrechenButton, ui_->hilfeButton,
             {tr("Hilfe TX Konfiguration"),
              tr("TX Konfiguration:\n\n"
                 "Die Sendertast-Leitung (TX) ist bidirektional (Eingang und Ausgang).\n"
                 "Sie verbindet mehrere Bediengeräte miteinander.\n"
                 "Der Quorex hat eine Sendertastung nach +12V.\n"
                 "Hier kann eingestellt werden, wie der Quorex auf eine Aktivierung\n"
                 "der TX-Leitung von einem anderen Bediengerät reagiert.\n\n"
                 "LED wenn TX-Eingang aktiv:\n"
                 "Keine Funktion: Die aktive TX-Leitung wird nicht optisch signalisiert.\n"
                 "TX-LED blinkt:  Die Sende-LED blinkt, wenn der TX-Eingang aktiv ist.\n\n"
                 "Funktion wenn TX-Eingang  aktiv:\n"
                 "Keine Funktion:          Die aktive TX-Leitung löst keine Funktion aus.\n"
                 "Mutet Kreis:               Die NF des Kreises wird stummgeschaltet.\n")});
}

TXKonfig::~TXKonfig() = default;
