#include "PageCatalog.h"

#include "Funkkreiskonfiguration.h"

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

const PageEntry kPages[] = {
    {QT_TRANSLATE_NOOP("CQuorexDlg", "Funkkreiskonfiguration"), Make<Funkkreiskonfiguration>},
};

}  // namespace

std::unique_ptr<QDialog> CreatePage(const QString &entry, Register &image, QWidget *parent) {
  for (const PageEntry &page : kPages)
    if (entry == QCoreApplication::translate("CQuorexDlg", page.entry))
      return page.make(image, parent);
  return nullptr;
}
