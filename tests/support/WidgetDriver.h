// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "RegisterFixtures.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QStringList>
#include <QWidget>
#include <QtTest>

// Drives a dialog the way a technician does: find a control by name, choose a list item,
// type into a field, press OK. Shared by every page test, with the register fixtures.

template <class W>
W *Child(QWidget *parent, const QString &name) {
  W *widget = parent->findChild<W *>(name);
  if (!widget) qFatal("no widget %s", qPrintable(name));
  return widget;
}

// Shown and active, so that focus moves between fields as it does on screen.
inline void ShowActive(QWidget *page) {
  page->show();
  page->activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(page));
}

// Replaces the field's text keystroke by keystroke, through the field's own checks.
inline void Type(QLineEdit *field, const QString &text) {
  field->setFocus();
  field->selectAll();
  QTest::keyClick(field, Qt::Key_Delete);
  QTest::keyClicks(field, text);
}

inline void Choose(QComboBox *combo, const QString &text) {
  const int index = combo->findText(text, Qt::MatchExactly);
  if (index < 0) qFatal("no item %s", qPrintable(text));
  combo->setCurrentIndex(index);
}

inline QStringList Items(QComboBox *combo) {
  QStringList items;
  for (int i = 0; i < combo->count(); ++i) items.append(combo->itemText(i));
  return items;
}

// The text a combo box shows: the chosen item, or nothing at all.
inline QString Shown(QComboBox *combo) {
  return combo->currentIndex() < 0 ? QString() : combo->currentText();
}

inline void Ok(QWidget *page) { Child<QPushButton>(page, QStringLiteral("okButton"))->click(); }
