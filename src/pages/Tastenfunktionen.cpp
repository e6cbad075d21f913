// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Tastenfunktionen.h"

#include "DetailFMS.h"
#include "DetailFmsTable.h"
#include "DialogSeam.h"
#include "TastenfunktionenTable.h"
#include "ChoiceCodec.h"
#include "TextCodec.h"
#include "TonfolgeCodec.h"
#include "ui_Tastenfunktionen.h"

#include <QCoreApplication>
#include <QSignalBlocker>

#include <algorithm>

using namespace TastenfunktionenTable;

namespace {

bool IsKnownFunktion(QChar code) {
  for (char known : {kFunktionKeine, kFunktionRufSenden, kFunktionFmsSenden,
                     kFunktionTonfolgeSenden})
    if (code == QLatin1Char(known)) return true;
  return false;
}

}  // namespace

Tastenfunktionen::Tastenfunktionen(Register &image, QWidget *parent)
    : ConfigPage(image, Schema(), parent), ui_(std::make_unique<Ui::Tastenfunktionen>()) {
  ui_->setupUi(this);
  ptt_.field = ui_->pttTelegramLineEdit;
  ruf_[0].field = ui_->ruf1TelegramLineEdit;
  ruf_[1].field = ui_->ruf2TelegramLineEdit;
  rufKeys_[0] = {&kRuf1FunktionItems,
                 ui_->ruf1FunktionComboBox,
                 ui_->ruf1AktuellerKreisCheckBox,
                 {ui_->ruf1Kreis1CheckBox, ui_->ruf1Kreis2CheckBox, ui_->ruf1Kreis3CheckBox,
                  ui_->ruf1Kreis4CheckBox},
                 ui_->ruf1TelegramLabel,
                 ui_->ruf1DetailButton};
  rufKeys_[1] = {&kRuf2FunktionItems,
                 ui_->ruf2FunktionComboBox,
                 ui_->ruf2AktuellerKreisCheckBox,
                 {ui_->ruf2Kreis1CheckBox, ui_->ruf2Kreis2CheckBox, ui_->ruf2Kreis3CheckBox,
                  ui_->ruf2Kreis4CheckBox},
                 ui_->ruf2TelegramLabel,
                 ui_->ruf2DetailButton};

  // The telegram registers are replaced whole, so every position is part of the snapshot.
  const auto cover = [this](const std::vector<RegisterSpot> &spots, QLineEdit *field) {
    for (RegisterSpot spot : spots) {
      Cover(spot);
      AddControl(spot, field);
    }
  };
  cover(TelegramSpots(kPttTelegramRegister, kPttTelegramRest), ptt_.field);
  for (int key = 0; key < 2; ++key) {
    cover(TelegramSpots(kRufKeys[key].telegramRegister, kRufKeys[key].telegramRest),
          ruf_[key].field);
    cover(WholeRegister(kRufKeys[key].tonfolgeRegister), ruf_[key].field);
  }
  // Telegrams first: their check at OK must refuse before anything else is taken over.
  AddBinding([this] { LoadTelegrams(); }, [this] { return StoreTelegrams(); });

  // Any character but "0" shows the box checked; OK always stores "1" or "0".
  BindCheckBox(ui_->fmsKennungBeiPttCheckBox, kFmsKennungBeiPtt);

  BindMask(kPttKreise, {ui_->pttKreis1CheckBox, ui_->pttKreis2CheckBox, ui_->pttKreis3CheckBox,
                        ui_->pttKreis4CheckBox});

  for (int key = 0; key < 2; ++key) {
    const RufKeyControls &controls = rufKeys_[key];
    Cover(kRufKeys[key].funktion);
    AddControl(kRufKeys[key].funktion, controls.funktion);
    FillFunktionList(key);
    connect(controls.funktion, &QComboBox::currentIndexChanged, this,
            [this, key](int index) { ChooseFunktion(key, index); });

    // The mask is rebuilt from the four boxes at OK; no box ticked stores "0", which is what
    // "auf aktuellen Kreis" means. Only a stored "0" ticks that box: a character that is not
    // a hex digit ticks nothing.
    BindMask(kRufKeys[key].kreise, controls.kreise);
    AddBinding(
        [this, key] {
          rufKeys_[key].aktuellerKreis->setChecked(Snapshot(kRufKeys[key].kreise) ==
                                                   QLatin1Char('0'));
        },
        [] { return true; });
    // toggled rather than clicked: a screen reader's toggle action changes a box without a
    // click, and must keep the group consistent all the same.
    for (QCheckBox *box : controls.kreise)
      connect(box, &QCheckBox::toggled, this,
              [this, key](bool checked) { ClickKreis(key, checked); });
    connect(controls.aktuellerKreis, &QCheckBox::toggled, this,
            [this, key](bool checked) { ClickAktuellerKreis(key, checked); });
  }

  // textChanged, not textEdited: a text set through the accessibility interface or dropped
  // in is held to the limit as well as a typed one.
  connect(ui_->pttTelegramLineEdit, &QLineEdit::textChanged, this, [this] { LimitLength(ptt_); });
  connect(ui_->ruf1TelegramLineEdit, &QLineEdit::textChanged, this,
          [this] { LimitLength(ruf_[0]); });
  connect(ui_->ruf2TelegramLineEdit, &QLineEdit::textChanged, this,
          [this] { LimitLength(ruf_[1]); });
  connect(ui_->pttDetailButton, &QPushButton::clicked, this, [this] { OpenDetail(ptt_); });
  connect(ui_->ruf1DetailButton, &QPushButton::clicked, this, [this] { OpenDetail(ruf_[0]); });
  connect(ui_->ruf2DetailButton, &QPushButton::clicked, this, [this] { OpenDetail(ruf_[1]); });

  SetButtons(
      ui_->okButton, ui_->abbrechenButton, ui_->hilfeButton,
      {QString(),
       tr("Allgemein:\n"
          "Für die Funktionen \"FMS-Kennung senden\", \"FMS-Telegramm senden\" und \"Tonfolge "
          "senden\" wird ein\n"
          "Omrel-Modul mit Adresse 1 im Steckplatz ST8 (Kreis 1) benötigt.\n\n"
          "PTT:\n"
          "Hier kann eingestellt werden, auf welchen Kreisen bei einer Sendertastung eine "
          "FMS-Kennung gesendet wird.\n"
          "Auf allen Kreisen wird die selbe Kennung gesendet.\n\n"
          "RUF 1 Taste:\n"
          "Hier wird die Funktion der RUF 1 Taste eingestellt. Wenn \"aktivierte Kreise\" "
          "aktiviert wird, dann wird\n"
          "der Ruf 1, das FMS-Telegramm oder die Tonfolge auf allen gerade aktivierten Kreisen "
          "gesendet.\n"
          "Werden ein oder mehrere einzelne Kreise ausgewählt, dann werden diese Kreise "
          "aktiviert und der Ruf 1,\n"
          "das FMS-Telegramm oder die Tonfolge werden auf diesen Kreisen gesendet.\n\n"
          "RUF 2 Taste:\n"
          "Hier wird die Funktion der RUF 2 Taste eingestellt. Wenn \"aktivierte Kreise\" "
          "aktiviert wird, dann wird\n"
          "der Ruf 2, das FMS-Telegramm oder die Tonfolge auf allen gerade aktivierten Kreisen "
          "gesendet.\n"
          "Werden ein oder mehrere einzelne Kreise ausgewählt, dann werden diese Kreise "
          "aktiviert und der Ruf 2,\n"
          "das FMS-Telegramm oder die Tonfolge werden auf diesen Kreisen gesendet.\n"),
       QMessageBox::NoIcon});
}

Tastenfunktionen::~Tastenfunktionen() = default;

void Tastenfunktionen::FillFunktionList(int key) {
  QComboBox *combo = rufKeys_[key].funktion;
  const QSignalBlocker blocker(combo);
  for (const ListEntry &entry : ListEntries(*rufKeys_[key].items))
    combo->addItem(entry.text, entry.value);
  combo->setCurrentIndex(-1);
}

// The page starts from the register image as it stood when the page was made: the
// snapshot, which changes only at OK.
QString Tastenfunktionen::TelegramText(int reg, RegisterSpot rest) const {
  const std::vector<RegisterSpot> spots = TelegramSpots(reg, rest);
  return PageSettings().CodecAt<TextCodec>(spots.front()).Decode(SnapshotChars(spots));
}

void Tastenfunktionen::LoadTelegrams() {
  ptt_.text = TelegramText(kPttTelegramRegister, kPttTelegramRest);
  ptt_.limit = kTelegramLimit;
  for (int key = 0; key < 2; ++key) {
    const RegisterSpot funktion = kRufKeys[key].funktion;
    const QChar code = Snapshot(funktion);
    // An unknown code shows an empty box and stays as it is until a function is chosen.
    const QString shown = PageSettings().CodecAt<ChoiceCodec>(funktion).Decode(QString(code));
    QComboBox *combo = rufKeys_[key].funktion;
    const QSignalBlocker blocker(combo);
    combo->setCurrentIndex(shown.isEmpty() ? -1 : combo->findText(shown));
    LoadRufTelegram(key, code, false);
  }
  PushTexts();
}

void Tastenfunktionen::LoadRufTelegram(int key, QChar code, bool chosen) {
  Telegram &telegram = ruf_[key];
  const RufKey &spots = kRufKeys[key];
  switch (code.toLatin1()) {
    case kFunktionKeine:
    case kFunktionRufSenden:
      // Opening the page leaves the field of a plain call key empty; choosing such a function
      // fills it with zeros, so both store "00000000" in the telegram register.
      telegram.text = chosen ? QStringLiteral("00000000") : QString();
      telegram.limit =
          chosen || code == QLatin1Char(kFunktionRufSenden) ? kRufSendenLimit : kKeineLimit;
      break;
    case kFunktionFmsSenden:
      telegram.text = TelegramText(spots.telegramRegister, spots.telegramRest);
      telegram.limit = kTelegramLimit;
      break;
    case kFunktionTonfolgeSenden: {
      const std::vector<RegisterSpot> tonfolge = WholeRegister(spots.tonfolgeRegister);
      telegram.text = PageSettings()
                          .CodecAt<TonfolgeCodec>(tonfolge.front())
                          .Shown(SnapshotChars(tonfolge));
      telegram.limit = kTonfolgeLimit;
      break;
    }
    default:
      telegram.text.clear();
      telegram.limit = kKeineLimit;
      break;
  }
}

void Tastenfunktionen::ChooseFunktion(int key, int index) {
  if (index < 0) return;
  TakeTexts();
  const QChar code = rufKeys_[key].funktion->itemData(index).toChar();
  Cover(kRufKeys[key].funktion) = code;
  // What was typed before is dropped: the field starts again from the register image.
  LoadRufTelegram(key, code, true);
  ruf_[key].field->setText(ruf_[key].text);
  UpdateEnabling();
}

void Tastenfunktionen::UpdateEnabling() {
  for (int key = 0; key < 2; ++key) {
    const RufKeyControls &controls = rufKeys_[key];
    const QChar code = Snapshot(kRufKeys[key].funktion);
    const bool noText =
        code == QLatin1Char(kFunktionKeine) || code == QLatin1Char(kFunktionRufSenden);
    if (code == QLatin1Char(kFunktionFmsSenden))
      controls.telegramLabel->setText(
          QCoreApplication::translate("Tastenfunktionen", kTelegrammLabel));
    if (code == QLatin1Char(kFunktionTonfolgeSenden))
      controls.telegramLabel->setText(
          QCoreApplication::translate("Tastenfunktionen", kTonfolgeLabel));
    controls.telegramLabel->setEnabled(!noText);
    ruf_[key].field->setEnabled(!noText);
    controls.detail->setEnabled(code == QLatin1Char(kFunktionFmsSenden));
  }
}

void Tastenfunktionen::ClickKreis(int key, bool checked) {
  if (IsLoading() || adjusting_ || !checked) return;
  adjusting_ = true;
  rufKeys_[key].aktuellerKreis->setChecked(false);
  adjusting_ = false;
}

// The box cannot be unchecked by itself: the group leaves "auf aktuellen Kreis" only by
// ticking a circuit.
void Tastenfunktionen::ClickAktuellerKreis(int key, bool checked) {
  if (IsLoading() || adjusting_) return;
  adjusting_ = true;
  if (!checked)
    rufKeys_[key].aktuellerKreis->setChecked(true);
  else
    for (QCheckBox *box : rufKeys_[key].kreise) box->setChecked(false);
  adjusting_ = false;
}

// A field never holds more than its limit, however the text came in (typed, pasted, dropped,
// set by an assistive tool): the first `limit` characters stay, so every character that is
// stored lands at the position it was typed for.
void Tastenfunktionen::LimitLength(Telegram &telegram) {
  const QString text = telegram.field->text();
  if (text.size() <= telegram.limit) return;
  const int cursor = telegram.field->cursorPosition();
  telegram.field->setText(text.left(std::max(telegram.limit, 0)));
  telegram.field->setCursorPosition(std::min(cursor, telegram.limit));
}

void Tastenfunktionen::OpenDetail(Telegram &telegram) {
  TakeTexts();
  telegram.text = telegram.text.leftJustified(DetailFmsTable::kTelegramLength, QLatin1Char('0'));
  DetailFMS editor(telegram.text, this);
  if (editor.exec() == QDialog::Accepted) PushTexts();
}

void Tastenfunktionen::TakeTexts() {
  ptt_.text = ptt_.field->text();
  for (Telegram &telegram : ruf_) telegram.text = telegram.field->text();
}

void Tastenfunktionen::PushTexts() {
  ptt_.field->setText(ptt_.text);
  for (Telegram &telegram : ruf_) telegram.field->setText(telegram.text);
}

bool Tastenfunktionen::StoreTelegrams() {
  TakeTexts();
  // The three fields take the same text as the PTT telegram: up to 10 hex digits, completed
  // with "0" on the right. Every field's text is checked before any is stored.
  const TextCodec &codec = PageSettings().CodecAt<TextCodec>(kPttTelegramRest);
  QString chars[3];
  Telegram *const telegrams[3] = {&ptt_, &ruf_[0], &ruf_[1]};
  for (int t = 0; t < 3; ++t) {
    QString error;
    if (!codec.Complete(telegrams[t]->text, &chars[t], &error)) {
      ShowMessage(this, error, QString(), QMessageBox::NoIcon, QMessageBox::Ok);
      return false;
    }
  }

  const auto store = [this](const QString &padded, int reg, RegisterSpot rest) {
    const std::vector<RegisterSpot> spots = TelegramSpots(reg, rest);
    for (std::size_t i = 0; i < spots.size(); ++i) Cover(spots[i]) = padded.at(int(i));
  };
  store(chars[0], kPttTelegramRegister, kPttTelegramRest);
  for (int key = 0; key < 2; ++key) {
    const RufKey &spots = kRufKeys[key];
    // A function code this program does not know keeps its telegram: the field could not show
    // it, so an empty field says nothing about what the console should hold.
    if (!IsKnownFunktion(Snapshot(spots.funktion))) continue;
    // A tone sequence takes the telegram's place in its own register; characters 9-10 are
    // written either way.
    const bool tonfolge = Snapshot(spots.funktion) == QLatin1Char(kFunktionTonfolgeSenden);
    store(chars[key + 1], tonfolge ? spots.tonfolgeRegister : spots.telegramRegister,
          spots.telegramRest);
  }
  return true;
}
