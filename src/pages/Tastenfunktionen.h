// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ConfigPage.h"

#include <array>
#include <memory>

class QLabel;
class QLineEdit;
struct ItemTable;

namespace Ui {
class Tastenfunktionen;
}

// FMS identification on PTT and the functions of the call keys "RUF 1" and "RUF 2". The three
// FMS telegrams are edited as 10-character texts and stored split 8 + 2 across registers; a
// call key's field holds a tone sequence instead while its function is "Tonfolge senden".
class Tastenfunktionen : public ConfigPage {
  Q_OBJECT

 public:
  explicit Tastenfunktionen(Register &image, QWidget *parent = nullptr);
  ~Tastenfunktionen() override;

 protected:
  void UpdateEnabling() override;

 private:
  // One telegram field, the text it stands for and how long that text may grow.
  struct Telegram {
    QLineEdit *field = nullptr;
    QString text;
    int limit = 0;
  };
  // The controls of one call key's group.
  struct RufKeyControls {
    const ItemTable *items = nullptr;
    QComboBox *funktion = nullptr;
    QCheckBox *aktuellerKreis = nullptr;
    std::array<QCheckBox *, 4> kreise{};
    QLabel *telegramLabel = nullptr;
    QPushButton *detail = nullptr;
  };

  void FillFunktionList(int key);
  // A telegram's ten characters, or nothing where they are no telegram.
  QString TelegramText(int reg, RegisterSpot rest) const;
  void LoadTelegrams();
  bool StoreTelegrams();
  // The text a call key's field shows for a function code, read from the register image as it
  // stands now, and the limit that goes with it.
  void LoadRufTelegram(int key, QChar code, bool chosen);
  void ChooseFunktion(int key, int index);
  void ClickKreis(int key, bool checked);
  void ClickAktuellerKreis(int key, bool checked);
  void LimitLength(Telegram &telegram);
  void OpenDetail(Telegram &telegram);
  void TakeTexts();
  void PushTexts();

  std::unique_ptr<Ui::Tastenfunktionen> ui_;
  Telegram ptt_;
  std::array<Telegram, 2> ruf_;
  std::array<RufKeyControls, 2> rufKeys_;
  // Set while the page itself changes the boxes of a call key's circuit group.
  bool adjusting_ = false;
};
