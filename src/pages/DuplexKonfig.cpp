// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#include "DuplexKonfig.h"

#include "DuplexTable.h"
#include "PackedChoiceCodec.h"
#include "PackedFlagCodec.h"
#include "ui_DuplexKonfig.h"


using namespace DuplexTable;

DuplexKonfig::DuplexKonfig(Register &image, QWidget *parent)
    : ConfigPage(image, Schema(), parent), ui_(std::make_unique<Ui::DuplexKonfig>()) {
  ui_->setupUi(this);
  QRadioButton *const simplex[4] = {ui_->simplex1RadioButton, ui_->simplex2RadioButton,
                                    ui_->simplex3RadioButton, ui_->simplex4RadioButton};
  QRadioButton *const duplex[4] = {ui_->duplex1RadioButton, ui_->duplex2RadioButton,
                                   ui_->duplex3RadioButton, ui_->duplex4RadioButton};
  QRadioButton *const duplexLs[4] = {ui_->duplexLs1RadioButton, ui_->duplexLs2RadioButton,
                                     ui_->duplexLs3RadioButton, ui_->duplexLs4RadioButton};
  for (int i = 0; i < 4; ++i)
    BindRadios(kModus[i], {simplex[i], duplex[i], duplexLs[i]}, simplex[i]);
  BindMuting();

  SetButtons(ui_->okButton, ui_->abbrechenButton, ui_->hilfeButton,
             {tr("Hilfe Duplex Konfiguration"),
              tr("Duplex Konfiguration:\n\n"
                 "Simplex: \nBeim Senden auf diesem Kreis wird die Empfangs-NF auf diesem Kreis "
                 "stummgeschaltet.\n"
                 "\nDuplex:  \nDie Empfangs-NF wird beim Senden nicht stummgeschaltet.\n"
                 "\nDuplex mit LS an bei PTT:\nIm TETRA-Betrieb ist es nötig, den "
                 "Aufmerksamkeitston das Funkgeräts"
                 "zu hören. Daher wird bei dieser Option der Lautsprecher bei PTT nicht "
                 "stummgeschaltet.\n\n"
                 "Weiterhin kann definiert werden, wie beim Senden auf einem TETRA-Funkkreis mit "
                 "den Kreisen verfahren wird, auf denen gerade nicht gesendet wird.\n"
                 "Diese Muting-Einstellungen können je nach Wunsch auch zusätzlich für analoge "
                 "Kreise angewandt werden,"
                 " die aktiviert und damit ebenfalls von der PTT betroffen sind.")});
}

DuplexKonfig::~DuplexKonfig() = default;

// Position 4 packs the list's choice and the check box into one digit. The list is read only
// at OK, so choosing an item needs no handler; the digit is always rebuilt from both controls.
void DuplexKonfig::BindMuting() {
  const PackedChoiceCodec &choice = PageSettings().CodecAt<PackedChoiceCodec>(kMuting);
  const PackedFlagCodec &analog = PageSettings().CodecAt<PackedFlagCodec>(kMuting);
  QComboBox *combo = ui_->mutingComboBox;
  for (const Item &item : choice.Table().items) combo->addItem(ItemText(item));
  ChoicesOnly(combo);
  Cover(kMuting);
  AddControl(kMuting, combo);
  AddControl(kMuting, ui_->analogCheckBox);
  AddBinding(
      [this, combo, &choice] {
        // Every digit selects some item.
        const QString shown = choice.Shown(Snapshot(kMuting));
        combo->setCurrentIndex(shown.isNull() ? -1 : combo->findText(shown, Qt::MatchExactly));
        ui_->analogCheckBox->setChecked(PackedFlagCodec::IsSet(Snapshot(kMuting)));
      },
      [this, combo, &choice, &analog] {
        // With no item selected (the edit field can clear the selection) the loaded digit
        // stays.
        if (combo->currentIndex() < 0) return true;
        Store(kMuting, choice, combo->currentText());
        Cover(kMuting) = analog.WithFlag(Snapshot(kMuting), ui_->analogCheckBox->isChecked());
        return true;
      });
}
