// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "SettingsCatalog.h"

#include <QString>
#include <QStringList>
#include <QWidget>

#include <functional>
#include <optional>
#include <vector>

class QAction;
class QLineEdit;
class QMenu;
class QListWidget;
class Register;

// "Suchen:" above the tree: finds a setting by its page, its label, its id or its value in
// words, whatever the case and however the umlauts are spelt ("Hoerer" finds "Hörer"). Each
// match reads "Seite › Einstellung: Wert"; Down and Up move through them, Enter or a double
// click opens the page with that setting's field (through the opener the window hands over),
// Escape empties the field. "Suchen ..." (Ctrl+F) follows the panel's being usable.
class SearchPanel : public QWidget {
  Q_OBJECT

 public:
  struct Match {
    QString page;  // the catalog's page title
    QString id;
    QString name;  // the setting's name as its page shows it
    std::vector<RegisterSpot> spots;
    QString text;  // "Seite › Einstellung: Wert"
  };

  // Opens `page` with the field of the setting at `spots` named `name` first; false when it
  // could not.
  using Opener = std::function<bool(const QString &page, const std::vector<RegisterSpot> &spots,
                                    const QString &name)>;

  explicit SearchPanel(QWidget *parent = nullptr);

  void SetOpener(Opener opener) { opener_ = std::move(opener); }
  // "Suchen ..." with Ctrl+F at the end of `menu`.
  void AddTo(QMenu &menu);
  // The registers whose values are searched and shown; must outlive the panel.
  void SetImage(const Register &image) { image_ = &image; }
  // Puts the keyboard into the field, its text selected.
  void FocusField();
  // Searches again: the values may have changed.
  void Refresh();
  QLineEdit *Field() const { return field_; }
  QListWidget *List() const { return list_; }

  // Every setting of `catalog` that `query` finds in `texts`, in the catalog's order. Each word
  // of the query must occur in the page title, the label, the id or the value.
  static std::vector<Match> Find(const SettingsCatalog &catalog, const QStringList &texts,
                                 const QString &query);
  // Lower case, umlauts and ß written out: the form in which texts are compared.
  static QString Folded(const QString &text);

 protected:
  bool eventFilter(QObject *watched, QEvent *event) override;
  void changeEvent(QEvent *event) override;

 private:
  void Search();
  void OpenCurrent();
  void Move(int by);

  Opener opener_;
  QAction *action_ = nullptr;
  const Register *image_ = nullptr;
  // Made by the first search; the window does not wait for it.
  std::optional<SettingsCatalog> catalog_;
  std::vector<Match> matches_;
  QLineEdit *field_ = nullptr;
  QListWidget *list_ = nullptr;
};
