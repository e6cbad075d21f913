// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#include "DuplexKonfig.h"

#include "DuplexTable.h"
#include "PackedChoiceCodec.h"
#include "PackedDigit.h"
#include "PackedFlagCodec.h"
#include "Register.h"
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

// Position 4 packs the list index and the check box into one digit. The list is read only at
// OK, so choosing an item needs no handler; the digit is always rebuilt from both controls.
void DuplexKonfig::BindMuting() {
  for (const Item &item : PageSettings().CodecAt<PackedChoiceCodec>(kMuting).Table().items)
    ui_->mutingComboBox->addItem(ItemText(item));
  PageSettings().CodecAt<PackedFlagCodec>(kMuting);
  ChoicesOnly(ui_->mutingComboBox);
  Cover(kMuting);
  AddControl(kMuting, ui_->mutingComboBox);
  AddControl(kMuting, ui_->analogCheckBox);
  AddBinding(
      [this] {
        // Every digit selects some item; a character below "0" (no register holds one)
        // selects none.
        const QChar c = Snapshot(kMuting);
        ui_->mutingComboBox->setCurrentIndex(c < QLatin1Char('0') ? -1 : PackedDigit::Part(c));
        ui_->analogCheckBox->setChecked(PackedDigit::Flag(c));
      },
      [this] {
        // With no item selected (the edit field can clear the selection) the loaded digit
        // stays; only a digit is ever stored.
        const int index = ui_->mutingComboBox->currentIndex();
        QChar &c = Cover(kMuting);
        if (index >= 0)
          c = PackedDigit::Join(index, ui_->analogCheckBox->isChecked());
        else if (!Register::IsHexText(QString(c)))
          c = QLatin1Char('0');
        return true;
      });
}
