// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SearchPanel.h"

#include "DialogHelpers.h"
#include "Register.h"

#include <QAction>
#include <QEvent>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>

SearchPanel::SearchPanel(QWidget *parent) : QWidget(parent) {
  auto *label = new QLabel(tr("S&uchen:"), this);
  field_ = new QLineEdit(this);
  field_->setObjectName(QStringLiteral("suchenEdit"));
  field_->setAccessibleName(tr("Suchen"));
  field_->setAccessibleDescription(tr("Findet Einstellungen nach Seite, Name, Kennung oder Wert"));
  // Its icon is looked up in the desktop's icon theme, which takes longer than all the rest of
  // the window; it shows only once something is typed.
  AfterFirstPaint(*field_, [this] { field_->setClearButtonEnabled(true); });
  label->setBuddy(field_);
  list_ = new QListWidget(this);
  list_->setObjectName(QStringLiteral("trefferList"));
  list_->setAccessibleName(tr("Treffer"));
  list_->setFocusPolicy(Qt::ClickFocus);
  list_->setMaximumHeight(list_->fontMetrics().lineSpacing() * 7);
  list_->hide();

  auto *layout = new QGridLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(label, 0, 0);
  layout->addWidget(field_, 0, 1);
  layout->addWidget(list_, 1, 0, 1, 2);
  setFocusProxy(field_);

  field_->installEventFilter(this);
  list_->installEventFilter(this);
  connect(field_, &QLineEdit::textChanged, this, &SearchPanel::Search);
  connect(list_, &QListWidget::itemDoubleClicked, this, &SearchPanel::OpenCurrent);
}

QString SearchPanel::Folded(const QString &text) {
  QString folded = text.toLower();
  folded.replace(QChar(0x00E4), QLatin1String("ae"));
  folded.replace(QChar(0x00F6), QLatin1String("oe"));
  folded.replace(QChar(0x00FC), QLatin1String("ue"));
  folded.replace(QChar(0x00DF), QLatin1String("ss"));
  return folded;
}

std::vector<SearchPanel::Match> SearchPanel::Find(const SettingsCatalog &catalog,
                                                  const QStringList &texts,
                                                  const QString &query) {
  std::vector<Match> matches;
  const QStringList words = Folded(query).split(QLatin1Char(' '), Qt::SkipEmptyParts);
  if (words.isEmpty()) return matches;
  for (const SettingsCatalog::Page &page : catalog.Pages()) {
    for (const SettingsCatalog::Setting &setting : page.settings) {
      const QString value = setting.Value(texts);
      const QString haystack =
          Folded(QStringList{page.title, setting.label, setting.id, value}.join(QLatin1Char('\n')));
      bool all = true;
      for (const QString &word : words) all = all && haystack.contains(word);
      if (!all) continue;
      matches.push_back({page.title, setting.id, setting.name, setting.spots,
                         tr("%1 › %2: %3").arg(page.title, setting.label, value)});
    }
  }
  return matches;
}

void SearchPanel::AddTo(QMenu &menu) {
  action_ = menu.addAction(tr("&Suchen ..."), this, &SearchPanel::FocusField);
  action_->setObjectName(QStringLiteral("suchenAction"));
  action_->setShortcuts(QKeySequence::Find);
  action_->setEnabled(isEnabled());
}

void SearchPanel::FocusField() {
  if (!isEnabled()) return;
  field_->setFocus(Qt::ShortcutFocusReason);
  field_->selectAll();
}

void SearchPanel::Refresh() {
  // A disabled panel keeps its list hidden; it searches again when it is usable.
  if (isEnabled() && !field_->text().isEmpty()) Search();
}

void SearchPanel::Search() {
  const QStringList texts = image_ ? image_->AllTexts() : QStringList();
  const int row = list_->currentRow();
  if (!catalog_) catalog_.emplace();
  matches_ = Find(*catalog_, texts, field_->text());
  list_->clear();
  for (const Match &match : matches_) list_->addItem(match.text);
  list_->setVisible(!field_->text().trimmed().isEmpty());
  const int count = int(matches_.size());
  const QString found = count == 0   ? tr("Keine Treffer")
                        : count == 1 ? tr("1 Treffer")
                                     : tr("%1 Treffer").arg(count);
  list_->setAccessibleDescription(found);
  field_->setAccessibleDescription(found);
  if (count > 0) list_->setCurrentRow(qBound(0, row, count - 1));
}

void SearchPanel::Move(int by) {
  const int count = list_->count();
  if (count == 0) return;
  list_->setCurrentRow(qBound(0, list_->currentRow() + by, count - 1));
  // A screen reader hears the highlighted match, although the keyboard stays in the field.
  field_->setAccessibleDescription(list_->currentItem()->text());
}

// The page runs its own event loop: not from inside the key or the click that asked for it.
// Afterwards the keyboard is back in the field, the values as the page left them.
void SearchPanel::OpenCurrent() {
  const int row = list_->currentRow();
  if (row < 0 || row >= int(matches_.size()) || !opener_) return;
  QMetaObject::invokeMethod(
      this,
      [this, match = matches_[row]] {
        if (!isEnabled() || !opener_(match.page, match.spots, match.name)) return;
        Refresh();
        if (isEnabled()) field_->setFocus(Qt::OtherFocusReason);
        if (!window()->isActiveWindow()) window()->activateWindow();
      },
      Qt::QueuedConnection);
}

bool SearchPanel::eventFilter(QObject *watched, QEvent *event) {
  if (event->type() != QEvent::KeyPress) return QWidget::eventFilter(watched, event);
  auto *key = static_cast<QKeyEvent *>(event);
  switch (key->key()) {
    case Qt::Key_Down:
      if (watched != field_) break;
      Move(1);
      return true;
    case Qt::Key_Up:
      if (watched != field_) break;
      Move(-1);
      return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      // The field takes Enter, found or not: it never reaches the window.
      OpenCurrent();
      return true;
    case Qt::Key_Escape:
      // With nothing to empty, Escape is the window's.
      if (field_->text().isEmpty()) break;
      field_->clear();
      field_->setFocus();
      return true;
    default: break;
  }
  return QWidget::eventFilter(watched, event);
}

// A search while nothing sensible is loaded would show settings nobody has.
void SearchPanel::changeEvent(QEvent *event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::EnabledChange && action_) action_->setEnabled(isEnabled());
  if (event->type() == QEvent::EnabledChange && !isEnabled()) list_->hide();
  if (event->type() == QEvent::EnabledChange && isEnabled()) Refresh();
}
