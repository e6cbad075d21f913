// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Tonrufauswertung.h"

#include "TonrufTable.h"
#include "ui_Tonrufauswertung.h"

using namespace TonrufTable;

Tonrufauswertung::Tonrufauswertung(Register &image, QWidget *parent)
    : ConfigPage(image, Schema(), parent), ui_(std::make_unique<Ui::Tonrufauswertung>()) {
  ui_->setupUi(this);
  const std::array<QComboBox *, 4> tonruf = {ui_->tonruf1ComboBox, ui_->tonruf2ComboBox,
                                             ui_->tonruf3ComboBox, ui_->tonruf4ComboBox};
  const std::array<QComboBox *, 4> aktivierung = {
      ui_->aktivierung1ComboBox, ui_->aktivierung2ComboBox, ui_->aktivierung3ComboBox,
      ui_->aktivierung4ComboBox};
  const std::array<QRadioButton *, 4> nurNeuerKreis = {
      ui_->nurNeuerKreis1RadioButton, ui_->nurNeuerKreis2RadioButton,
      ui_->nurNeuerKreis3RadioButton, ui_->nurNeuerKreis4RadioButton};
  const std::array<QRadioButton *, 4> zusaetzlich = {
      ui_->zusaetzlich1RadioButton, ui_->zusaetzlich2RadioButton, ui_->zusaetzlich3RadioButton,
      ui_->zusaetzlich4RadioButton};
  for (int i = 0; i < 4; ++i) {
    BindComboBox(tonruf[i], kTonruf[i]);
    BindPackedDigit(aktivierung[i], kAktivierung[i], nurNeuerKreis[i], zusaetzlich[i]);
  }

  SetButtons(
      ui_->okButton, ui_->abbrechenButton, ui_->hilfeButton,
      {QString(),
       tr("Allgemein:\n"
          "Für die Tonrufauswertung wird ein Omrel-Modul pro Funkkreis benötigt.\n"
          "Für die Funkkreise gilt folgende Zuordnung:\n"
          "Funkkreis 1: Omrel mit Adresse 1 im Steckplatz ST8\n"
          "Funkkreis 2: Omrel mit Adresse 2 im Steckplatz ST7\n"
          "Funkkreis 3: Omrel mit Adresse 3 im Steckplatz ST6\n"
          "Funkkreis 4: Omrel mit Adresse 4 im Steckplatz ST5\n"
          "\n"
          "Auszuwertender Tonruf:\n"
          "Hier kann der auszuwertende Tonruf eingestellt werden.\n"
          "Mögliche Tonrufe sind Tonruf 1 (1750Hz) und/oder Tonruf 2 (2135Hz).\n"
          "\n"
          "Funkkreisaktivierung:\n"
          "Hier kann eingestellt werden, unter welchen Bedingungen eine Tonrufauswertung\n"
          "auch zur Funkkreisaktivierung führt. Die Aktivierung erfolgt entweder nie, immer,\n"
          "wenn gerade nicht gesendet wird oder wenn gerade nicht gesendet wird UND\n"
          "der Handapparat aufliegt.\n"
          "\n"
          "Aktivierungsart:\n"
          "Hier kann eingestellt werden, ob die bisherigen Funkkreise aktiviert bleiben oder\n"
          "ob nur der neue Funkkreis aktiviert wird.\n"
          "\n"),
       QMessageBox::NoIcon});
}

Tonrufauswertung::~Tonrufauswertung() = default;
