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

#include <QCoreApplication>
#include <QHash>
#include <QTreeWidget>

namespace {

using Factory = std::unique_ptr<QDialog> (*)(Register &, QWidget *);

template <class Page>
std::unique_ptr<QDialog> Make(Register &image, QWidget *parent) {
  return std::make_unique<Page>(image, parent);
}

struct Entry {
  const char *id;
  const char *parent;  // nullptr: at the root
  const char *text;
  Factory make;        // nullptr: a group
};

// In the order the tree shows them; a parent comes before its children.
const Entry kEntries[] = {
    {"busy", nullptr, QT_TRANSLATE_NOOP("CQuorexDlg", "BUSY-Konfiguration"), nullptr},
    {"squelch", nullptr, QT_TRANSLATE_NOOP("CQuorexDlg", "Squelchkonfiguration"),
     Make<Squelchkonfiguration>},
    {"funkkreis", nullptr, QT_TRANSLATE_NOOP("CQuorexDlg", "Funkkreiskonfiguration"),
     Make<Funkkreiskonfiguration>},
    {"tx", nullptr, QT_TRANSLATE_NOOP("CQuorexDlg", "TX Konfiguration"), Make<TXKonfig>},
    {"duplex", nullptr, QT_TRANSLATE_NOOP("CQuorexDlg", "Duplexkonfiguration (->TETRA)"),
     Make<DuplexKonfig>},
    {"nf", nullptr, QT_TRANSLATE_NOOP("CQuorexDlg", "NF-Eingangskonfiguration"), Make<NFKonfig>},
    {"hoererLs", nullptr, QT_TRANSLATE_NOOP("CQuorexDlg", "Hörer-/LS-Konfiguration"),
     Make<HoererLSKonfig>},
    {"tonbandrelais", nullptr, QT_TRANSLATE_NOOP("CQuorexDlg", "Tonbandrelais Konfiguration"),
     Make<TonbandrelaisKonfig>},
    {"headset", nullptr, QT_TRANSLATE_NOOP("CQuorexDlg", "Headset Konfiguration"),
     Make<HeadsetKonfig>},
    {"sender", nullptr, QT_TRANSLATE_NOOP("CQuorexDlg", "Sendereinstellungen"),
     Make<Sendezeitbegrenzung>},
    {"tasten", nullptr, QT_TRANSLATE_NOOP("CQuorexDlg", "Tastenfunktionen"), Make<Tastenfunktionen>},
    {"tonruf", nullptr, QT_TRANSLATE_NOOP("CQuorexDlg", "Tonrufauswertung"), Make<Tonrufauswertung>},
    {"register", nullptr, QT_TRANSLATE_NOOP("CQuorexDlg", "Einzelnes Register lesen/schreiben"),
     Make<EinzelnesRegister>},
    {"busyOut", "busy", QT_TRANSLATE_NOOP("CQuorexDlg", "BUSY Ausgang Konfiguration"),
     Make<BUSYOutKonfig>},
    {"busyIn", "busy", QT_TRANSLATE_NOOP("CQuorexDlg", "BUSY Eingang Konfiguration"),
     Make<BUSYInKonfig>},
};

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
  // New entries start collapsed; collapsing them again would lay the tree out before the window
  // is shown.
}

std::unique_ptr<QDialog> ConfigTree::CreatePage(const QTreeWidgetItem &item, Register &image,
                                                QWidget *parent) {
  const QString id = item.data(0, kIdRole).toString();
  for (const Entry &entry : kEntries)
    if (id == QLatin1String(entry.id)) return entry.make ? entry.make(image, parent) : nullptr;
  return nullptr;
}
