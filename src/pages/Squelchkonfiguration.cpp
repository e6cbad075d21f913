// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Squelchkonfiguration.h"

#include "SquelchTable.h"
#include "ui_Squelchkonfiguration.h"

using namespace SquelchTable;

Squelchkonfiguration::Squelchkonfiguration(Register &image, QWidget *parent)
    : ConfigPage(image, Schema(), parent), ui_(std::make_unique<Ui::Squelchkonfiguration>()) {
  ui_->setupUi(this);
  QRadioButton *const sqlHigh[4] = {ui_->sqlHigh1RadioButton, ui_->sqlHigh2RadioButton,
                                    ui_->sqlHigh3RadioButton, ui_->sqlHigh4RadioButton};
  QRadioButton *const sqlLow[4] = {ui_->sqlLow1RadioButton, ui_->sqlLow2RadioButton,
                                   ui_->sqlLow3RadioButton, ui_->sqlLow4RadioButton};
  QRadioButton *const nfNurBeiSql[4] = {ui_->nfNurBeiSql1RadioButton, ui_->nfNurBeiSql2RadioButton,
                                        ui_->nfNurBeiSql3RadioButton, ui_->nfNurBeiSql4RadioButton};
  QRadioButton *const nfImmerAn[4] = {ui_->nfImmerAn1RadioButton, ui_->nfImmerAn2RadioButton,
                                      ui_->nfImmerAn3RadioButton, ui_->nfImmerAn4RadioButton};
  // An unknown character shows the second button ("low", "immer an") and stays until a
  // button of its pair is clicked.
  for (int i = 0; i < 4; ++i) {
    BindRadios(kSql[i], {sqlHigh[i], sqlLow[i]}, sqlLow[i]);
    BindRadios(kNf[i], {nfNurBeiSql[i], nfImmerAn[i]}, nfImmerAn[i]);
  }

  SetButtons(ui_->okButton, ui_->abbrechenButton, ui_->hilfeButton,
             {tr("Hilfe Squelchkonfiguration"),
              tr("Squelchkonfiguration:\n\n"
                 "Der Trägereingang (SQL) hat einen Pulldown Widerstand (ca. 10k) und "
                 "benötigt für\n"
                 "den high-Zustand immer eine externe Spannung (5-12V).\n\n"
                 "SQL:\n"
                 "SQL aktiv high: Der Träger ist da, wenn eine externe Spannung anliegt.\n"
                 "SQL aktiv low:  Der Träger ist da, wenn keine externe Spannung anliegt.\n\n"
                 "NF:\n"
                 "NF an nur bei SQL: Die NF des Kreises wird stummgeschaltet, wenn kein Träger da "
                 "ist.\n"
                 "NF immer an:       Die NF des Kreises wird nicht vom Träger "
                 "stummgeschaltet.\n")});
}

Squelchkonfiguration::~Squelchkonfiguration() = default;
