// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ConfigTree.h"

#include "BUSYInKonfig.h"
#include "BUSYOutKonfig.h"
#include "DuplexKonfig.h"
#include "EinzelnesRegister.h"
#include "Funkkreiskonfiguration.h"
#include "HeadsetKonfig.h"
#include "HoererLSKonfig.h"
#include "NFKonfig.h"
#include "Sendezeitbegrenzung.h"
#include "Squelchkonfiguration.h"
#include "TXKonfig.h"
#include "Tastenfunktionen.h"
#include "TonbandrelaisKonfig.h"
#include "Tonrufauswertung.h"

#include "BusyTable.h"
#include "DetailFmsTable.h"
#include "DuplexTable.h"
#include "FunkkreisTable.h"
#include "HeadsetTable.h"
#include "HoererLsTable.h"
#include "NfTable.h"
#include "SenderTable.h"
#include "SettingsCatalog.h"
#include "SquelchTable.h"
#include "TastenfunktionenTable.h"
#include "TonbandrelaisTable.h"
#include "TonrufTable.h"
#include "TxTable.h"

#include <QCoreApplication>
#include <QFont>
#include <QHash>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

namespace {

using Factory = std::unique_ptr<QDialog> (*)(Register &, QWidget *);

template <class Page>
std::unique_ptr<QDialog> Make(Register &image, QWidget *parent) {
  return std::make_unique<Page>(image, parent);
}

using SchemaOf = const PageSchema &(*)();

struct Entry {
  const char *id;
  const char *parent;  // nullptr: at the root
  const char *text;
  Factory make;        // nullptr: a group
  // The settings the page shows; the key functions page opens the FMS editor's too.
  SchemaOf schema = nullptr;
  SchemaOf alsoSchema = nullptr;
};

// In the order the tree shows them; a parent comes before its children.
const Entry kEntries[] = {
    {"busy", nullptr, QT_TRANSLATE_NOOP("CQuorexDlg", "BUSY-Konfiguration"), nullptr},
    {"squelch", nullptr, QT_TRANSLATE_NOOP("CQuorexDlg", "Squelchkonfiguration"),
     Make<Squelchkonfiguration>, SquelchTable::Schema},
    {"funkkreis", nullptr, QT_TRANSLATE_NOOP("CQuorexDlg", "Funkkreiskonfiguration"),
     Make<Funkkreiskonfiguration>, FunkkreisTable::Schema},
    {"tx", nullptr, QT_TRANSLATE_NOOP("CQuorexDlg", "TX Konfiguration"), Make<TXKonfig>,
     TxTable::Schema},
    {"duplex", nullptr, QT_TRANSLATE_NOOP("CQuorexDlg", "Duplexkonfiguration (->TETRA)"),
     Make<DuplexKonfig>, DuplexTable::Schema},
    {"nf", nullptr, QT_TRANSLATE_NOOP("CQuorexDlg", "NF-Eingangskonfiguration"), Make<NFKonfig>,
     NfTable::Schema},
    {"hoererLs", nullptr, QT_TRANSLATE_NOOP("CQuorexDlg", "Hörer-/LS-Konfiguration"),
     Make<HoererLSKonfig>, HoererLsTable::Schema},
    {"tonbandrelais", nullptr, QT_TRANSLATE_NOOP("CQuorexDlg", "Tonbandrelais Konfiguration"),
     Make<TonbandrelaisKonfig>, TonbandrelaisTable::Schema},
    {"headset", nullptr, QT_TRANSLATE_NOOP("CQuorexDlg", "Headset Konfiguration"),
     Make<HeadsetKonfig>, HeadsetTable::Schema},
    {"sender", nullptr, QT_TRANSLATE_NOOP("CQuorexDlg", "Sendereinstellungen"),
     Make<Sendezeitbegrenzung>, SenderTable::Schema},
    {"tasten", nullptr, QT_TRANSLATE_NOOP("CQuorexDlg", "Tastenfunktionen"), Make<Tastenfunktionen>,
     TastenfunktionenTable::Schema, DetailFmsTable::Schema},
    {"tonruf", nullptr, QT_TRANSLATE_NOOP("CQuorexDlg", "Tonrufauswertung"), Make<Tonrufauswertung>,
     TonrufTable::Schema},
    // Registers and positions no page uses are changed here.
    {"register", nullptr, QT_TRANSLATE_NOOP("CQuorexDlg", "Einzelnes Register lesen/schreiben"),
     Make<EinzelnesRegister>},
    {"busyOut", "busy", QT_TRANSLATE_NOOP("CQuorexDlg", "BUSY Ausgang Konfiguration"),
     Make<BUSYOutKonfig>, BusyTable::AusgangSchema},
    {"busyIn", "busy", QT_TRANSLATE_NOOP("CQuorexDlg", "BUSY Eingang Konfiguration"),
     Make<BUSYInKonfig>, BusyTable::EingangSchema},
};

// Whether the entry's page shows settings of the catalog page `title`.
bool Shows(const Entry &entry, const QString &title) {
  if (QLatin1String(entry.id) == QLatin1String("register"))
    return title == SettingsCatalog::UncoveredTitle();
  for (SchemaOf schema : {entry.schema, entry.alsoSchema})
    if (schema && schema().title.Tr() == title) return true;
  return false;
}

constexpr int kIdRole = Qt::UserRole;

}  // namespace

void ConfigTree::Fill(QTreeWidget &tree) {
  QHash<QString, QTreeWidgetItem *> items;
  for (const Entry &entry : kEntries) {
    const QStringList text(QCoreApplication::translate("CQuorexDlg", entry.text));
    auto *item = entry.parent ? new QTreeWidgetItem(items.value(QLatin1String(entry.parent)), text)
                              : new QTreeWidgetItem(&tree, text);
    item->setData(0, kIdRole, QLatin1String(entry.id));
    items.insert(QLatin1String(entry.id), item);
  }
  tree.collapseAll();
}

std::unique_ptr<QDialog> ConfigTree::CreatePage(const QTreeWidgetItem &item, Register &image,
                                                QWidget *parent) {
  const QString id = item.data(0, kIdRole).toString();
  for (const Entry &entry : kEntries)
    if (id == QLatin1String(entry.id)) return entry.make ? entry.make(image, parent) : nullptr;
  return nullptr;
}

QTreeWidgetItem *ConfigTree::FindPage(QTreeWidget &tree, const QString &pageTitle) {
  for (QTreeWidgetItemIterator it(&tree); *it; ++it) {
    const QString id = (*it)->data(0, kIdRole).toString();
    for (const Entry &entry : kEntries)
      if (id == QLatin1String(entry.id) && Shows(entry, pageTitle)) return *it;
  }
  return nullptr;
}

void ConfigTree::MarkChanged(QTreeWidget &tree, const QSet<QString> &pageTitles) {
  QSet<QTreeWidgetItem *> marked;
  for (const QString &title : pageTitles)
    for (QTreeWidgetItem *item = FindPage(tree, title); item; item = item->parent())
      marked.insert(item);
  for (QTreeWidgetItemIterator it(&tree); *it; ++it) {
    QTreeWidgetItem *item = *it;
    const bool changed = marked.contains(item);
    QFont font = item->font(0);
    if (font.bold() == changed) continue;
    font.setBold(changed);
    item->setFont(0, font);
    item->setData(0, Qt::AccessibleDescriptionRole,
                  changed ? QCoreApplication::translate("ConfigTree", "geändert") : QString());
  }
}
