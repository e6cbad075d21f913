// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QSet>
#include <QString>

#include <memory>

class QDialog;
class QTreeWidget;
class QTreeWidgetItem;
class QWidget;
class Register;

// The entries of the configuration tree as data: id, parent, text and the page each opens.
// Every entry carries its id in its item data, so an entry is found by its id, never by the
// text it shows.
class ConfigTree {
 public:
  // Fills `tree` in the order the technician knows: the groups start folded.
  static void Fill(QTreeWidget &tree);
  // The dialog `item` opens, made fresh on the register image as it is now, or nullptr for a
  // group ("BUSY-Konfiguration").
  static std::unique_ptr<QDialog> CreatePage(const QTreeWidgetItem &item, Register &image,
                                             QWidget *parent);
  // The entry whose page shows the settings of the catalog's page `pageTitle` (the single
  // register dialog for SettingsCatalog::UncoveredTitle()), or nullptr.
  static QTreeWidgetItem *FindPage(QTreeWidget &tree, const QString &pageTitle);
  // Shows the entries of pages with changed settings in bold and tells a screen reader
  // "geändert"; a group is marked with its entries. `pageTitles` as for FindPage.
  static void MarkChanged(QTreeWidget &tree, const QSet<QString> &pageTitles);
};
