// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Funkkreiskonfiguration.h"

#include "FunkkreisTable.h"
#include "ui_Funkkreiskonfiguration.h"

using namespace FunkkreisTable;

Funkkreiskonfiguration::Funkkreiskonfiguration(Register &image, QWidget *parent)
    : ConfigPage(image, Schema(), parent), ui_(std::make_unique<Ui::Funkkreiskonfiguration>()) {
  ui_->setupUi(this);
  const std::array<QCheckBox *, 4> erlaubt = {ui_->erlaubt1CheckBox, ui_->erlaubt2CheckBox,
                                              ui_->erlaubt3CheckBox, ui_->erlaubt4CheckBox};
  const std::array<QCheckBox *, 4> beimEinschaltenAn = {
      ui_->beimEinschaltenAn1CheckBox, ui_->beimEinschaltenAn2CheckBox,
      ui_->beimEinschaltenAn3CheckBox, ui_->beimEinschaltenAn4CheckBox};
  for (int i = 0; i < 4; ++i) BindCheckBox(erlaubt[i], kErlaubt[i]);
  BindCheckBox(ui_->mehrereAktiveKreiseCheckBox, kMehrereAktiveKreise);
  for (int i = 0; i < 4; ++i) BindCheckBox(beimEinschaltenAn[i], kBeimEinschaltenAn[i]);
  BindRadios(kEinschaltKreise,
             {ui_->einschaltkreiseRadioButton, ui_->letzteAktiveKreiseRadioButton},
             ui_->letzteAktiveKreiseRadioButton);
  BindComboBox(ui_->automatikComboBox, kAutomatischeKreisaktivierung);
  BindMask(kLetzterKreisMaske, {ui_->letzterKreis1CheckBox, ui_->letzterKreis2CheckBox,
                                ui_->letzterKreis3CheckBox, ui_->letzterKreis4CheckBox});

  SetButtons(ui_->okButton, ui_->abbrechenButton, ui_->hilfeButton,
             {tr("Hilfe Funkkreiskonfiguration"),
              tr("Funkkreiskonfiguration:\n\n"
                 "Funkkreis x erlaubt: Dieser Funkkreis ist vorhanden und kann aktiviert werden.\n\n"
                 "Mehrere aktive Kreise möglich:\nDurch gleichzeitiges Drücken mehrerer "
                 "Funkkreistasten\n"
                 "lassen sich 2 oder mehr Funkkreise gleichzeitig aktivieren.\n"
                 "Sonst kann immer nur ein Funkkreis aktiviert sein.\n\n"
                 "Funkkreis x beim Einschalten an:\nDer Funkkreis ist bereits beim Einschalten "
                 "aktiviert.\n"
                 "Beim Einschalten aktive Kreise:  Einschaltkreise: die vorgewählten Kreise\n"
                 "Letzte aktive Kreise: die beim Ausschalten aktiven Kreise\t\n"
                 "\n"
                 "Automatische Kreisaktivierung:\n"
                 "Wenn beim Drücken der Sendertaste oder der Tasten für Ruf 1 und Ruf 2 kein "
                 "Funkkreis aktiv\n"
                 "ist, dann wird entweder der letzte Kreis automatisch aktiviert oder ein "
                 "Fehlerton ausgegeben.\n"
                 "\n"
                 "Letzter Kreis nach Einschalten:\n"
                 "Hier können die Kreise eingestellt werden, die direkt nach dem Einschalten als "
                 "letzte Kreise\n"
                 "initialisiert werden. Die hier eingestellten Kreise werden nur dann benötigt, "
                 "wenn direkt\n"
                 "nach dem Einschalten keine Kreise ausgewählt sind und die Funktion "
                 "\"automatische\n"
                 "Kreisaktivierung\" aktiv ist. Nur dann werden beim Drücken der Sender- oder "
                 "Ruftaste die\n"
                 "eingestellten Kreise aktiviert.")});
}

Funkkreiskonfiguration::~Funkkreiskonfiguration() = default;

// The power-on boxes count only with "Einschaltkreise", the last-circuit boxes only with
// "Letzten Kreis aktivieren"; disabled boxes keep their ticks.
void Funkkreiskonfiguration::UpdateEnabling() {
  const bool einschaltkreise = Snapshot(kEinschaltKreise) == QLatin1Char('0');
  for (QCheckBox *box : {ui_->beimEinschaltenAn1CheckBox, ui_->beimEinschaltenAn2CheckBox,
                         ui_->beimEinschaltenAn3CheckBox, ui_->beimEinschaltenAn4CheckBox})
    box->setEnabled(einschaltkreise);
  const bool letzterKreis = Snapshot(kAutomatischeKreisaktivierung) == QLatin1Char('0');
  for (QCheckBox *box : {ui_->letzterKreis1CheckBox, ui_->letzterKreis2CheckBox,
                         ui_->letzterKreis3CheckBox, ui_->letzterKreis4CheckBox})
    box->setEnabled(letzterKreis);
}
