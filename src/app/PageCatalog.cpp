#include "PageCatalog.h"

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

namespace {

template <class Page>
std::unique_ptr<QDialog> Make(Register &image, QWidget *parent) {
  return std::make_unique<Page>(image, parent);
}

struct PageEntry {
  const char *entry;
  std::unique_ptr<QDialog> (*make)(Register &, QWidget *);
};

// Looked up in this order; the first entry text that matches exactly opens its page.
const PageEntry kPages[] = {
    {QT_TRANSLATE_NOOP("CQuorexDlg", "Squelchkonfiguration"), Make<Squelchkonfiguration>},
    {QT_TRANSLATE_NOOP("CQuorexDlg", "Funkkreiskonfiguration"), Make<Funkkreiskonfiguration>},
    {QT_TRANSLATE_NOOP("CQuorexDlg", "BUSY Ausgang Konfiguration"), Make<BUSYOutKonfig>},
    {QT_TRANSLATE_NOOP("CQuorexDlg", "BUSY Eingang Konfiguration"), Make<BUSYInKonfig>},
    {QT_TRANSLATE_NOOP("CQuorexDlg", "TX Konfiguration"), Make<TXKonfig>},
    {QT_TRANSLATE_NOOP("CQuorexDlg", "Duplexkonfiguration (->TETRA)"), Make<DuplexKonfig>},
    {QT_TRANSLATE_NOOP("CQuorexDlg", "NF-Eingangskonfiguration"), Make<NFKonfig>},
    {QT_TRANSLATE_NOOP("CQuorexDlg", "Tonbandrelais Konfiguration"), Make<TonbandrelaisKonfig>},
    {QT_TRANSLATE_NOOP("CQuorexDlg", "Headset Konfiguration"), Make<HeadsetKonfig>},
    {QT_TRANSLATE_NOOP("CQuorexDlg", "Sendereinstellungen"), Make<Sendezeitbegrenzung>},
    {QT_TRANSLATE_NOOP("CQuorexDlg", "Einzelnes Register lesen/schreiben"), Make<EinzelnesRegister>},
    {QT_TRANSLATE_NOOP("CQuorexDlg", "Hörer-/LS-Konfiguration"), Make<HoererLSKonfig>},
    {QT_TRANSLATE_NOOP("CQuorexDlg", "Tastenfunktionen"), Make<Tastenfunktionen>},
    {QT_TRANSLATE_NOOP("CQuorexDlg", "Tonrufauswertung"), Make<Tonrufauswertung>},
};

}  // namespace

std::unique_ptr<QDialog> CreatePage(const QString &entry, Register &image, QWidget *parent) {
  for (const PageEntry &page : kPages)
    if (entry == QCoreApplication::translate("CQuorexDlg", page.entry))
      return page.make(image, parent);
  return nullptr;
}
