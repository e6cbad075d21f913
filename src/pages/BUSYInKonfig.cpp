// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#include "BUSYInKonfig.h"

#include "BusyTable.h"
#include "Register.h"
#include "ui_BUSYInKonfig.h"

using namespace BusyTable;

BUSYInKonfig::BUSYInKonfig(Register &image, QWidget *parent)
    : ConfigPage(image, EingangSchema(), parent), ui_(std::make_unique<Ui::BUSYInKonfig>()) {
  ui_->setupUi(this);
  QComboBox *const led[4] = {ui_->led1ComboBox, ui_->led2ComboBox, ui_->led3ComboBox,
                             ui_->led4ComboBox};
  QComboBox *const funktion[4] = {ui_->funktion1ComboBox, ui_->funktion2ComboBox,
                                  ui_->funktion3ComboBox, ui_->funktion4ComboBox};
  // Consoles before version 1.07 know no "jegliche" blocking; their lists leave it out, and a
  // "6" or "7" already stored is still shown as text and kept.
  const bool version107 = Image().IsVersion107();
  for (int i = 0; i < 4; ++i) {
    BindComboBox(led[i], kEingangLed[i]);
    BindComboBox(funktion[i], kEingangFunktion[i], version107);
  }

  SetButtons(ui_->okButton, ui_->abbrechenButton, ui_->hilfeButton,
             {tr("Busy Eingang"),
              tr("Busy Eingang:\n\n"
                 "Die BUSY-Leitung ist bidirektional (Eingang und Ausgang).\n"
                 "Sie verbindet mehrere Quorex miteinander.\n"
                 "Hier kann eingestellt werden, wie der Quorex auf eine Aktivierung\n"
                 "der BUSY-Leitung von einem anderen Quorex reagiert\n\n"
                 "LED wenn BUSY Eingang aktiv:\n"
                 "Keine Funktion: Die aktive BUSY-Leitung wird nicht optisch signalisiert.\n"
                 "KR-LED blinkt:  Die Kreis-LED blinkt, wenn der BUSY-Eingang aktiv ist.\n"
                 "TX-LED blinkt:  Die Sende-LED blinkt, wenn der BUSY-Eingang aktiv ist.\n\n"
                 "Funktion wenn BUSY Eingang aktiv:\n"
                 "Keine Funktion:          Die aktive BUSY-Leitung löst keine Funktion aus.\n"
                 "Mutet Kreis:             Die NF des Kreises wird stummgeschaltet.\n"
                 "\nSperrt Kreisaktivierung:\n"
                 "Der Kreis kann nicht durch die Kreistaste, aber durch die automatische\n"
                 "Kreisaktivierung aktiviert werden.\n"
                 "\nSperrt jegliche Kreisaktivierung:\n"
                 "Der Kreis kann weder durch die Kreistaste noch durch die automatische\n"
                 "Kreisaktivierung aktiviert werden.\n"
                 "\nSperrt Sendertastung:    Auf diesem Kreis kann nicht gesendet werden.\n")});
}

BUSYInKonfig::~BUSYInKonfig() = default;
