// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ConfigPage.h"

#include "CheckBoxCodec.h"
#include "ChoiceCodec.h"
#include "DialogHelpers.h"
#include "DialogSeam.h"
#include "MaskCodec.h"
#include "NumberCodec.h"
#include "PackedChoiceCodec.h"
#include "PackedFlagCodec.h"
#include "Register.h"
#include "TextCodec.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QRegularExpressionValidator>
#include <QShowEvent>

#include <algorithm>


ConfigPage::ConfigPage(Register &image, const PageSchema &schema, QWidget *parent)
    : QDialog(parent), image_(image), schema_(schema) {}

// ~QDialog hides the page, and hiding takes the focus from the field that has it: editingFinished
// and the like fire once more. By then the page's own part and its form are freed, so no
// handler of the page may run any more.
ConfigPage::~ConfigPage() {
  for (QObject *child : findChildren<QObject *>()) disconnect(child, nullptr, this, nullptr);
}

QChar &ConfigPage::Cover(RegisterSpot spot) {
  auto found = snapshot_.find(spot);
  if (found == snapshot_.end()) found = snapshot_.emplace(spot, image_.Char(spot.reg, spot.pos)).first;
  return found->second;
}

void ConfigPage::AddControl(RegisterSpot spot, QWidget *control) {
  controls_[spot].push_back(control);
}

QChar ConfigPage::Snapshot(RegisterSpot spot) const {
  const auto found = snapshot_.find(spot);
  return found == snapshot_.end() ? QChar() : found->second;
}

QString ConfigPage::SnapshotChars(const std::vector<RegisterSpot> &spots) const {
  QString chars;
  for (RegisterSpot spot : spots) chars += Snapshot(spot);
  return chars;
}

std::vector<RegisterSpot> ConfigPage::CoveredSpots() const {
  std::vector<RegisterSpot> spots;
  spots.reserve(snapshot_.size());
  for (const auto &entry : snapshot_) spots.push_back(entry.first);
  return spots;
}

bool ConfigPage::CheckRegisters() {
  for (const auto &[spot, c] : snapshot_) {
    if (!Register::IsRegisterText(image_.Text(spot.reg))) {
      ShowMessage(parentWidget(),
                  tr("Die Seite \"%1\" kann nicht geöffnet werden:\n"
                     "Register %2 enthält keinen gültigen Wert.")
                      .arg(windowTitle())
                      .arg(spot.reg),
                  tr("Fehler"), QMessageBox::Critical, QMessageBox::Ok);
      return false;
    }
  }
  return true;
}

void ConfigPage::SetButtons(QPushButton *ok, QPushButton *cancel, QPushButton *help,
                            Help pageHelp) {
  help_ = std::move(pageHelp);
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &ConfigPage::accept);
  connect(cancel, &QPushButton::clicked, this, &ConfigPage::reject);
  connect(help, &QPushButton::clicked, this, &ConfigPage::ShowHelp);
  AddHelpKey(*this, help);
}

void ConfigPage::BindCheckBox(QCheckBox *box, RegisterSpot spot) {
  const CheckBoxCodec &codec = schema_.CodecAt<CheckBoxCodec>(spot);
  Cover(spot);
  AddControl(spot, box);
  AddBinding([this, box, spot, &codec] { box->setChecked(codec.IsChecked(Snapshot(spot))); },
             [this, box, spot] {
               Cover(spot) = CheckBoxCodec::Stored(box->isChecked());
               return true;
             });
}

void ConfigPage::BindRadios(RegisterSpot spot, const std::vector<QRadioButton *> &buttons,
                            QRadioButton *fallback) {
  const ChoiceCodec &codec = schema_.CodecAt<ChoiceCodec>(spot);
  Cover(spot);
  // Each button stands for its item's text; the codec knows what that text stores.
  std::vector<QString> texts;
  for (std::size_t i = 0; i < std::min(buttons.size(), codec.Table().items.size()); ++i)
    texts.push_back(ItemText(codec.Table().items[i]));
  for (std::size_t i = 0; i < texts.size(); ++i) {
    AddControl(spot, buttons[i]);
    const auto choose = [this, spot, &codec, text = texts[i]] {
      if (loading_) return;
      Store(spot, codec, text);
      UpdateEnabling();
    };
    // toggled catches every way a button gets checked (keys, a screen reader's toggle action,
    // which clicks nothing); clicked keeps the rule that a click on the button already checked
    // for an unknown character stores that button's value.
    connect(buttons[i], &QRadioButton::toggled, this, [choose](bool on) {
      if (on) choose();
    });
    connect(buttons[i], &QRadioButton::clicked, this, choose);
  }
  AddBinding(
      [this, spot, &codec, texts, buttons, fallback] {
        const QString shown = codec.Decode(QString(Snapshot(spot)));
        const auto found = std::find(texts.begin(), texts.end(), shown);
        (found == texts.end() ? fallback : buttons[found - texts.begin()])->setChecked(true);
      },
      [this, spot, &codec, texts, buttons] {
        if (codec.Rewrites())
          for (std::size_t i = 0; i < texts.size(); ++i)
            if (buttons[i]->isChecked()) Store(spot, codec, texts[i]);
        return true;
      });
}

void ConfigPage::Store(RegisterSpot spot, const SettingCodec &codec, const QString &value) {
  QString chars(Cover(spot));
  QString error;
  if (codec.Encode(value, &chars, &error)) Cover(spot) = chars.at(0);
}

void ConfigPage::BindComboBox(QComboBox *combo, RegisterSpot spot, bool withTail) {
  const ChoiceCodec &codec = schema_.CodecAt<ChoiceCodec>(spot);
  FillList(combo, spot, codec.Table(), withTail);
  connect(combo, &QComboBox::currentIndexChanged, this, [this, combo, spot, &codec](int index) {
    if (loading_ || index < 0) return;
    Store(spot, codec, combo->itemText(index));
    UpdateEnabling();
  });
  AddBinding([this, combo, spot, &codec] {
    PushComboText(combo, codec.Decode(QString(Snapshot(spot))));
  }, [] { return true; });
}

void ConfigPage::FillList(QComboBox *combo, RegisterSpot spot, const ItemTable &table,
                          bool withTail) {
  Cover(spot);
  AddControl(spot, combo);
  combo->clear();
  // Each item carries the character it stores.
  for (const ListEntry &entry : ListEntries(table, withTail))
    combo->addItem(entry.text, entry.value);
  ChoicesOnly(combo);
  combo->setCurrentIndex(-1);
}

void ConfigPage::ChoicesOnly(QComboBox *combo) {
  combo->setInsertPolicy(QComboBox::NoInsert);
  // The text field shows a stored value the list does not know; typing into it would only
  // suggest a change that is not made (Qt would even pick an item whose text was typed).
  if (combo->isEditable()) combo->lineEdit()->setReadOnly(true);
}

// Selects the first item that begins with the text, case ignored; with no such item the box
// shows the text with nothing selected.
void ConfigPage::PushComboText(QComboBox *combo, const QString &text) {
  int index = -1;
  if (!text.isEmpty())
    for (int i = 0; i < combo->count() && index < 0; ++i)
      if (combo->itemText(i).startsWith(text, Qt::CaseInsensitive)) index = i;
  combo->setCurrentIndex(index);
  if (index >= 0) return;
  if (combo->isEditable())
    combo->setEditText(text);
  else
    combo->setPlaceholderText(text);
}

void ConfigPage::BindMask(RegisterSpot spot, const std::array<QCheckBox *, 4> &bits) {
  schema_.CodecAt<MaskCodec>(spot);
  Cover(spot);
  for (QCheckBox *box : bits) AddControl(spot, box);
  AddBinding(
      [this, spot, bits] {
        const int value = MaskCodec::Bits(Snapshot(spot));
        for (int bit = 0; bit < 4; ++bit) bits[bit]->setChecked(value & (1 << bit));
      },
      [this, spot, bits] {
        int value = 0;
        for (int bit = 0; bit < 4; ++bit)
          if (bits[bit]->isChecked()) value |= 1 << bit;
        Cover(spot) = MaskCodec::Stored(value);
        return true;
      });
}

void ConfigPage::AddBinding(std::function<void()> show, std::function<bool()> pull) {
  bindings_.push_back({std::move(show), std::move(pull)});
}

void ConfigPage::AcceptDigitsOnly(QLineEdit *field, int maxLength) {
  // [0-9] rather than \d, which would let the digits of other scripts in.
  const QString pattern = maxLength > 0 ? QStringLiteral("[0-9]{0,%1}").arg(maxLength)
                                        : QStringLiteral("[0-9]*");
  field->setValidator(new QRegularExpressionValidator(QRegularExpression(pattern), field));
  if (maxLength > 0) field->setMaxLength(maxLength);
}

void ConfigPage::BindDigitField(QLineEdit *field, const std::vector<RegisterSpot> &spots) {
  const TextCodec &codec = schema_.CodecAt<TextCodec>(spots.front());
  for (RegisterSpot spot : spots) {
    Cover(spot);
    AddControl(spot, field);
  }
  AddBinding(
      [this, field, spots] {
        QString text;
        for (RegisterSpot spot : spots) text += Snapshot(spot);
        field->setText(text);
      },
      [this, field, spots, &codec] {
        QString chars;
        QString error;
        if (!codec.Complete(field->text(), &chars, &error)) return Refuse(field, error);
        for (std::size_t i = 0; i < spots.size(); ++i) Cover(spots[i]) = chars.at(int(i));
        return true;
      });
}

void ConfigPage::BindNumberField(QLineEdit *field, const std::vector<RegisterSpot> &spots) {
  const NumberCodec &codec = schema_.CodecAt<NumberCodec>(spots.front());
  QString stored;
  for (RegisterSpot spot : spots) {
    stored += Cover(spot);
    AddControl(spot, field);
  }
  AddBinding([field, stored] { field->setText(QString::number(NumberCodec::Read(stored))); },
             [this, field, spots, &codec] {
               QString chars;
               QString error;
               if (!codec.Encode(field->text().trimmed(), &chars, &error))
                 return Refuse(field, error);
               for (std::size_t i = 0; i < spots.size(); ++i) Cover(spots[i]) = chars.at(int(i));
               return true;
             });
}

bool ConfigPage::Refuse(QLineEdit *field, const QString &why) {
  ShowMessage(this, why, QString(), QMessageBox::Warning, QMessageBox::Ok);
  field->setFocus();
  field->selectAll();
  return false;
}

void ConfigPage::BindPackedDigit(QComboBox *combo, RegisterSpot spot, QRadioButton *plain,
                                 QRadioButton *flagged) {
  const PackedChoiceCodec &choice = schema_.CodecAt<PackedChoiceCodec>(spot);
  const PackedFlagCodec &mode = schema_.CodecAt<PackedFlagCodec>(spot);
  FillList(combo, spot, choice.Table(), true);
  AddControl(spot, plain);
  AddControl(spot, flagged);
  AddBinding(
      [this, spot, combo, plain, flagged, &choice] {
        PushComboText(combo, choice.Shown(Snapshot(spot)));
        (PackedFlagCodec::IsSet(Snapshot(spot)) ? flagged : plain)->setChecked(true);
      },
      [] { return true; });
  // A choice takes the mode checked; the mode alone keeps a digit with no listed choice.
  connect(combo, &QComboBox::currentIndexChanged, this,
          [this, combo, spot, flagged, &choice, &mode](int index) {
            if (loading_ || index < 0) return;
            Store(spot, choice, combo->itemText(index));
            Cover(spot) = mode.WithFlag(Snapshot(spot), flagged->isChecked());
            UpdateEnabling();
          });
  connect(flagged, &QRadioButton::toggled, this, [this, spot, &mode](bool on) {
    if (loading_) return;
    Cover(spot) = mode.WithFlag(Snapshot(spot), on);
    UpdateEnabling();
  });
}

void ConfigPage::showEvent(QShowEvent *event) {
  QDialog::showEvent(event);
  if (event->spontaneous()) return;
  KeepTitleVisible(*this);
  LoadControls();
  FocusControl();
}

// Before the dialog picks its first control: the window of a page being shown takes the
// control that has asked for the focus.
void ConfigPage::FocusControl() {
  if (!focusSpot_) return;
  const auto found = controls_.find(*focusSpot_);
  if (found == controls_.end()) return;
  QWidget *target = nullptr;
  for (QWidget *control : found->second) {
    if (!control->isEnabled()) continue;
    const auto *radio = qobject_cast<QRadioButton *>(control);
    if (!target || (radio && radio->isChecked())) target = control;
    if (radio && radio->isChecked()) break;
  }
  if (target) target->setFocus(Qt::OtherFocusReason);
}

void ConfigPage::LoadControls() {
  loading_ = true;
  for (const Binding &binding : bindings_)
    if (binding.show) binding.show();
  loading_ = false;
  UpdateEnabling();
}

void ConfigPage::accept() {
  for (const Binding &binding : bindings_)
    if (binding.pull && !binding.pull()) return;
  std::vector<RegisterSpot> spots;
  QString chars;
  for (const auto &[spot, c] : snapshot_) {
    spots.push_back(spot);
    chars += c;
  }
  edit_ = RegisterEdit(windowTitle());
  image_.Write(spots, chars, &edit_);
  image_.SetModified(true);
  QDialog::accept();
}

void ConfigPage::ShowHelp() {
  ShowMessage(this, help_.text, help_.caption, help_.icon, QMessageBox::Ok);
}
