// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "RegisterEdit.h"
#include "SettingSchema.h"

#include <QChar>
#include <QDialog>
#include <QMessageBox>
#include <QString>

#include <array>
#include <functional>
#include <map>
#include <optional>
#include <vector>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class Register;

// The common ground of every configuration page. A page binds its controls to register spots
// in its constructor; each binding reads and writes its characters through the codec that the
// page's schema (model) gives for that spot, so the page stores exactly what the catalog and
// quorex-cli read. This class does the rest, the same way on every page:
// - at creation it copies each covered character of the register image into its snapshot;
// - when shown it derives every control from the snapshot, then lets the page enable or
//   disable dependent controls (UpdateEnabling);
// - combo box choices and radio clicks change the snapshot at once; check boxes, masks and
//   page-specific values are pulled from the controls at OK;
// - OK writes exactly the covered characters back, sets the modified flag and closes;
//   Cancel, Escape and the close box write nothing;
// - "Hilfe..." shows the page's fixed text and changes nothing.
class ConfigPage : public QDialog {
  Q_OBJECT

 public:
  struct Help {
    QString caption;  // empty: the application's name
    QString text;
    QMessageBox::Icon icon = QMessageBox::Information;
  };

  ~ConfigPage() override;

  // False (after telling the technician) when a covered register is not a valid register
  // text, so the page must not be shown. The register image does not let such texts in; this
  // keeps a page from ever reading past one.
  bool CheckRegisters();

  // The snapshot character of a covered spot, as it stands now.
  QChar Snapshot(RegisterSpot spot) const;
  // Every spot the page covers, in register and position order: what OK may write.
  std::vector<RegisterSpot> CoveredSpots() const;
  // What the last OK changed, named after the page; empty when it changed nothing.
  const RegisterEdit &Edit() const { return edit_; }
  // Once shown, the keyboard goes to the control of the setting at `spot` (for a radio group,
  // its checked button), where that control is usable.
  void FocusSetting(RegisterSpot spot) { focusSpot_ = spot; }

 public slots:
  void accept() override;

 protected:
  ConfigPage(Register &image, const PageSchema &schema, QWidget *parent);

  Register &Image() const { return image_; }
  // True while the controls are being filled from the snapshot: their signals then say
  // nothing about the technician's choices.
  bool IsLoading() const { return loading_; }

  // OK, Cancel and "Hilfe..." of the page's form.
  void SetButtons(QPushButton *ok, QPushButton *cancel, QPushButton *help, Help pageHelp);

  // Adds a spot to the snapshot (once) and answers its character for the page to change.
  QChar &Cover(RegisterSpot spot);
  // `control` shows the setting at `spot`; the Bind functions say so themselves.
  void AddControl(RegisterSpot spot, QWidget *control);

  // Checked as the codec reads the character (mostly exactly on "1"); written "1" or "0"
  // from the box's state at OK.
  void BindCheckBox(QCheckBox *box, RegisterSpot spot);
  // One button per item of the codec's table, in table order. A character without a listed
  // meaning checks `fallback` and is kept until a button is clicked, unless the codec reads
  // every character as some choice: then OK always stores the value of the checked button.
  void BindRadios(RegisterSpot spot, const std::vector<QRadioButton *> &buttons,
                  QRadioButton *fallback);
  // Fills the list from the codec's table (sorted as the table says; the unsorted tail only
  // when `withTail`). Shown: the item text for the character, or none; choosing an item stores
  // its character. Typed text in an editable box changes nothing.
  void BindComboBox(QComboBox *combo, RegisterSpot spot, bool withTail = true);
  // Makes typed text in an editable box change nothing: only choosing a list item counts.
  static void ChoicesOnly(QComboBox *combo);
  // A hex digit whose bits 0 to 3 are the four boxes; always rebuilt from them at OK.
  void BindMask(RegisterSpot spot, const std::array<QCheckBox *, 4> &bits);
  // A page-specific control: `show` derives it from the snapshot when the page is shown,
  // `pull` takes it back into the snapshot at OK and may refuse (the page then stays open).
  void AddBinding(std::function<void()> show, std::function<bool()> pull);

  // Numeric edit fields. Only the digits 0 to 9 can be typed, at most `maxLength` of them
  // (0: no limit of our own).
  static void AcceptDigitsOnly(QLineEdit *field, int maxLength);
  // Decimal digits spread over `spots`, one per spot: shown as the characters stand, stored
  // at OK completed on the left with "0" to one digit per spot ("" -> "000", "7" -> "007").
  void BindDigitField(QLineEdit *field, const std::vector<RegisterSpot> &spots);
  // A whole number written over `spots` with leading zeros. Read up to the first character
  // that is no decimal digit ("045" -> 45, "1A5" -> 1, "A.." -> 0) and shown without leading
  // zeros. OK refuses what the codec refuses (an empty field, a number out of its range): the
  // technician is told, the field gets the focus and the page stays open.
  void BindNumberField(QLineEdit *field, const std::vector<RegisterSpot> &spots);
  // One hex digit packing a choice from the codec's table (values below PackedDigit::kFlag)
  // and a mode: the item's value, plus kFlag while `flagged` is checked rather than `plain`.
  // The list works as with BindComboBox; a digit of kFlag or more checks `flagged`. A digit
  // whose choice the table does not list is kept as it is until an item is chosen, whichever
  // mode is checked.
  void BindPackedDigit(QComboBox *combo, RegisterSpot spot, QRadioButton *plain,
                       QRadioButton *flagged);

  const PageSchema &PageSettings() const { return schema_; }
  // The character `codec` stores for `value` (an item's text, "an", ...), put into the
  // snapshot at `spot`; a value the codec refuses changes nothing.
  void Store(RegisterSpot spot, const SettingCodec &codec, const QString &value);
  // The snapshot's characters at `spots`, in their order.
  QString SnapshotChars(const std::vector<RegisterSpot> &spots) const;
  // Refuses OK: tells the technician why and puts the focus into the field.
  bool Refuse(QLineEdit *field, const QString &why);

  // Enables and disables dependent controls from the snapshot. Runs after showing and after
  // every choice or click that changed the snapshot.
  virtual void UpdateEnabling() {}

  // Shows a text in a box owned by the page.
  void ShowHelp();

  void showEvent(QShowEvent *event) override;

 private:
  struct Binding {
    std::function<void()> show;
    std::function<bool()> pull;
  };

  void FillList(QComboBox *combo, RegisterSpot spot, const ItemTable &table, bool withTail);
  void LoadControls();
  void FocusControl();
  static void PushComboText(QComboBox *combo, const QString &text);

  Register &image_;
  const PageSchema &schema_;
  std::map<RegisterSpot, QChar> snapshot_;
  std::vector<Binding> bindings_;
  Help help_;
  bool loading_ = false;
  RegisterEdit edit_;
  std::map<RegisterSpot, std::vector<QWidget *>> controls_;
  std::optional<RegisterSpot> focusSpot_;
};
