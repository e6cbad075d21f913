// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#include "BUSYOutKonfig.h"

#include "BusyTable.h"
#include "ui_BUSYOutKonfig.h"

using namespace BusyTable;

BUSYOutKonfig::BUSYOutKonfig(Register &image, QWidget *parent)
    : ConfigPage(image, AusgangSchema(), parent), ui_(std::make_unique<Ui::BUSYOutKonfig>()) {
  ui_->setupUi(this);
  QComboBox *const ausgang[4] = {ui_->ausgang1ComboBox, ui_->ausgang2ComboBox,
                                 ui_->ausgang3ComboBox, ui_->ausgang4ComboBox};
  for (int i = 0; i < 4; ++i) BindComboBox(ausgang[i], kAusgang[i]);

  SetButtons(ui_->okButton, ui_->abbrechenButton, ui_->hilfeButton,
             {tr("Hilfe Busy Ausgang"),
              tr("Busy Ausgang:\n\n"
                 "Die BUSY-Leitung ist bidirektional (Eingang und Ausgang).\n"
                 "Sie verbindet mehrere Quorex miteinander.\n"
                 "Hier kann eingestellt werden, wann die BUSY-Leitung als\n"
                 "Ausgang aktiviert wird. Ist die BUSY-Leitung aktiv, werden "
                 "ca. +12V ausgegeben.\n\n"
                 "BUSY immer aus:          Die BUSY-Leitung wird nie aktiviert.\n"
                 "BUSY aktiv bei TX aktiv: Die BUSY-Leitung wird bei Sendertastung aktiviert.\n"
                 "BUSY aktiv bei Kreis an: Die Busy-Leitung wird bei aktiviertem Funkkreis "
                 "aktiviert.\n"
                 "\nACHTUNG: Die BUSY-Leitung ist nicht mit dem Kelmar\n"
                 "kompatibel und darf dort NICHT angeschlossen werden.\n")});
}

BUSYOutKonfig::~BUSYOutKonfig() = default;
