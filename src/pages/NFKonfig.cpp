// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#include "NFKonfig.h"

#include "NfTable.h"
#include "ui_NFKonfig.h"

using namespace NfTable;

NFKonfig::NFKonfig(Register &image, QWidget *parent)
    : ConfigPage(image, Schema(), parent), ui_(std::make_unique<Ui::NFKonfig>()) {
  ui_->setupUi(this);
  QComboBox *const deaktiviert[4] = {ui_->deaktiviert1ComboBox, ui_->deaktiviert2ComboBox,
                                     ui_->deaktiviert3ComboBox, ui_->deaktiviert4ComboBox};
  QComboBox *const aktiviert[4] = {ui_->aktiviert1ComboBox, ui_->aktiviert2ComboBox,
                                   ui_->aktiviert3ComboBox, ui_->aktiviert4ComboBox};
  for (int i = 0; i < 4; ++i) {
    BindComboBox(deaktiviert[i], kDeaktiviert[i]);
    BindComboBox(aktiviert[i], kAktiviert[i]);
  }

  SetButtons(ui_->okButton, ui_->abbrechenButton, ui_->hilfeButton,
             {tr("Hilfe NF-Eingangskonfiguration"),
              tr("NF-Eingangskonfiguration:\n\n"
                 "Pro Funkkreis sind 2 Schalter für die NF vorhanden. Mit dem Schalter für die "
                 "Mithörlautstärke\n"
                 "wird der Mithörweg über das Mithörpoti aktiviert. Mit dem Schalter für die "
                 "Maximale Lautstärke\n"
                 "wird der Normalweg für ausgewählte Kreise aktiviert.\n\n"
                 "Die normalen Einstellungen sind:\n\n"
                 "Deaktivierter Kreis: Mithörlautstärke\n"
                 "Aktivierter Kreis:   Maximale Lautstärke\n")});
}

NFKonfig::~NFKonfig() = default;
