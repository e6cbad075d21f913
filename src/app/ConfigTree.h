// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

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
};
