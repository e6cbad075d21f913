// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#include "DialogSeam.h"

#include "DialogHelpers.h"
#include "Preferences.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QGridLayout>
#include <QIdentityProxyModel>
#include <QLabel>
#include <QPrintDialog>
#include <QPrinter>
#include <QScreen>
#include <QSpacerItem>

namespace {

const char kFilter[] = QT_TRANSLATE_NOOP("DialogSeam", "Register Quorex (*.rquorex)");
const char kSuffix[] = "rquorex";
const char kPdfFilter[] = QT_TRANSLATE_NOOP("DialogSeam", "PDF-Dokument (*.pdf)");
const char kHtmlFilter[] = QT_TRANSLATE_NOOP("DialogSeam", "HTML-Datei (*.html)");
const char kSettingsFilter[] =
    QT_TRANSLATE_NOOP("DialogSeam", "Register oder Einstellungstext (*.rquorex *.txt)");
const char kAnyFilter[] = QT_TRANSLATE_NOOP("DialogSeam", "Alle Dateien (*)");
const char kCsvFilter[] = QT_TRANSLATE_NOOP("DialogSeam", "CSV-Datei (*.csv)");
// Wider lines are wrapped after all, so a box never outgrows a small screen.
constexpr int kMaxLineWidth = 900;

QString Tr(const char *text) { return QCoreApplication::translate("DialogSeam", text); }

// Names the standard buttons in German even where Qt's own translation is not installed.
void NameButtons(QMessageBox &box) {
  const struct {
    QMessageBox::StandardButton button;
    const char *text;
  } names[] = {
      {QMessageBox::Ok, QT_TRANSLATE_NOOP("DialogSeam", "OK")},
      {QMessageBox::Cancel, QT_TRANSLATE_NOOP("DialogSeam", "&Abbrechen")},
      {QMessageBox::Yes, QT_TRANSLATE_NOOP("DialogSeam", "&Ja")},
      {QMessageBox::No, QT_TRANSLATE_NOOP("DialogSeam", "&Nein")},
  };
  for (const auto &name : names)
    if (QAbstractButton *button = box.button(name.button)) button->setText(Tr(name.text));
}

// The widest Qt lets a message box become on its screen.
int WidestBox(const QMessageBox &box) {
  const QScreen *screen = box.screen();
  const int width = screen ? screen->availableGeometry().width() : 1024;
  return width <= 1024 ? width : qMin(width - 480, 1000);
}

// The texts bring their own line breaks. Qt wraps every line longer than about 500 pixels once
// more; a label at least as wide as its longest line leaves nothing to wrap. It must leave room
// for the icon within the widest box, or its lines run past the box's edge.
void KeepLines(QMessageBox &box) {
  auto *label = box.findChild<QLabel *>(QStringLiteral("qt_msgbox_label"));
  if (!label) return;
  const QRect lines = label->fontMetrics().boundingRect(QRect(0, 0, 4000, 4000),
                                                         Qt::TextExpandTabs, label->text());
  const int wanted = qMin(lines.width() + 2, kMaxLineWidth);
  label->setMinimumWidth(wanted);
  const int others = box.layout() ? box.layout()->totalMinimumSize().width() - wanted : 0;
  label->setMinimumWidth(qMax(0, qMin(wanted, WidestBox(box) - others)));
}

// A short text in a box with a long caption would cut the caption in the middle.
void KeepCaptionVisible(QMessageBox &box) {
  if (auto *grid = qobject_cast<QGridLayout *>(box.layout()))
    grid->addItem(new QSpacerItem(TitleWidth(box), 0, QSizePolicy::Minimum, QSizePolicy::Minimum),
                  grid->rowCount(), 0, 1, grid->columnCount());
}

QFileDialog::Options DialogOptions() {
#if defined(Q_OS_WIN) || defined(Q_OS_MACOS)
  return {};
#else
  // Qt's own dialog: the same on every desktop and translated with the program.
  return QFileDialog::DontUseNativeDialog;
#endif
}

// Qt's own file list writes sizes and dates in the system's locale, whatever the program's;
// this one writes them as the rest of the program does.
class LocalFileList final : public QIdentityProxyModel {
 public:
  using QIdentityProxyModel::QIdentityProxyModel;

  QVariant data(const QModelIndex &index, int role) const override {
    enum { kSizeColumn = 1, kDateColumn = 3 };
    const auto *files = qobject_cast<const QFileSystemModel *>(sourceModel());
    if (role != Qt::DisplayRole || !files ||
        (index.column() != kSizeColumn && index.column() != kDateColumn))
      return QIdentityProxyModel::data(index, role);
    const QFileInfo info = files->fileInfo(mapToSource(index));
    if (index.column() == kDateColumn)
      return QLocale().toString(info.lastModified(), QLocale::ShortFormat);
    if (info.isDir()) return QIdentityProxyModel::data(index, role);
    return QLocale().formattedDataSize(info.size());
  }
};

// The program's locale, not the system's: German dates and numbers in a German program.
void UseProgramLocale(QFileDialog &dialog) {
  dialog.setLocale(QLocale());
  if (dialog.testOption(QFileDialog::DontUseNativeDialog))
    dialog.setProxyModel(new LocalFileList(&dialog));
}

QString AskFileName(QWidget *owner, QFileDialog::AcceptMode mode,
                    const QString &proposed = QString()) {
  const std::unique_ptr<QFileDialog> dialog = BuildFileDialog(owner, mode);
  if (!proposed.isEmpty()) dialog->selectFile(proposed);
  if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty()) return QString();
  const QString chosen = dialog->selectedFiles().constFirst();
  // Even a file that turns out not to load was looked for in this folder.
  Preferences().SetLastFolder(QFileInfo(chosen).absolutePath());
  return chosen;
}

QString AskReportName(QWidget *owner, QString *selectedFilter) {
  QFileDialog dialog(owner);
  dialog.setOptions(DialogOptions());
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setWindowTitle(Tr("Einstellungsbericht speichern"));
  dialog.setNameFilters({Tr(kPdfFilter), Tr(kHtmlFilter)});
  dialog.setDefaultSuffix(QStringLiteral("pdf"));
  UseProgramLocale(dialog);
  // A name typed without an ending gets the one of the file type shown.
  QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog](const QString &filter) {
    dialog.setDefaultSuffix(filter == Tr(kHtmlFilter) ? QStringLiteral("html")
                                                      : QStringLiteral("pdf"));
  });
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return QString();
  if (selectedFilter) *selectedFilter = dialog.selectedNameFilter();
  return dialog.selectedFiles().constFirst();
}

QString AskCsvName(QWidget *owner) {
  const std::unique_ptr<QFileDialog> dialog = BuildCsvDialog(owner);
  if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty()) return QString();
  return dialog->selectedFiles().constFirst();
}

class RealDialogs final : public DialogSeam {
 public:
  QMessageBox::StandardButton ShowMessage(QWidget *owner, const QString &text,
                                          const QString &caption, QMessageBox::Icon icon,
                                          QMessageBox::StandardButtons buttons,
                                          const QString &detailedText,
                                          QMessageBox::StandardButton defaultButton) override {
    const std::unique_ptr<QMessageBox> box =
        BuildMessageBox(owner, text, caption, icon, buttons, detailedText, defaultButton);
    return static_cast<QMessageBox::StandardButton>(box->exec());
  }
  QString AskOpenFileName(QWidget *owner) override {
    return AskFileName(owner, QFileDialog::AcceptOpen);
  }
  QString AskSettingsFileName(QWidget *owner) override {
    const std::unique_ptr<QFileDialog> dialog = BuildFileDialog(owner, QFileDialog::AcceptOpen);
    dialog->setWindowTitle(Tr("Einstellungen übernehmen aus"));
    dialog->setNameFilters({Tr(kSettingsFilter), Tr(kAnyFilter)});
    if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty()) return QString();
    return dialog->selectedFiles().constFirst();
  }
  QString AskSaveFileName(QWidget *owner, const QString &proposed) override {
    return AskFileName(owner, QFileDialog::AcceptSave, proposed);
  }
  QString AskReportFileName(QWidget *owner, QString *selectedFilter) override {
    return AskReportName(owner, selectedFilter);
  }
  QString AskCsvFileName(QWidget *owner) override { return AskCsvName(owner); }
  bool AskPrinter(QWidget *owner, QPrinter &printer) override {
    QPrintDialog dialog(&printer, owner);
    dialog.setLocale(QLocale());
    dialog.setWindowTitle(Tr("Einstellungsbericht drucken"));
    return dialog.exec() == QDialog::Accepted;
  }
};

DialogSeam *installed = nullptr;

}  // namespace

DialogSeam &DialogSeam::Instance() {
  static RealDialogs real;
  return installed ? *installed : real;
}

void DialogSeam::Install(DialogSeam *seam) { installed = seam; }

std::unique_ptr<QMessageBox> BuildMessageBox(QWidget *owner, const QString &text,
                                             const QString &caption, QMessageBox::Icon icon,
                                             QMessageBox::StandardButtons buttons,
                                             const QString &detailedText,
                                             QMessageBox::StandardButton defaultButton) {
  auto box = std::make_unique<QMessageBox>(
      icon, caption.isEmpty() ? QCoreApplication::applicationName() : caption, text, buttons,
      owner);
  // Texts from a console or a file name are shown as they are; Qt would take a text that
  // merely looks like HTML for HTML.
  box->setTextFormat(Qt::PlainText);
  NameButtons(*box);
  KeepLines(*box);
  KeepCaptionVisible(*box);
  if (!detailedText.isEmpty()) box->setDetailedText(detailedText);
  if (defaultButton != QMessageBox::NoButton) box->setDefaultButton(defaultButton);
  return box;
}

std::unique_ptr<QFileDialog> BuildCsvDialog(QWidget *owner) {
  auto dialog = std::make_unique<QFileDialog>(owner);
  dialog->setOptions(DialogOptions());
  dialog->setAcceptMode(QFileDialog::AcceptSave);
  dialog->setFileMode(QFileDialog::AnyFile);
  dialog->setWindowTitle(Tr("Protokoll exportieren"));
  dialog->setNameFilter(Tr(kCsvFilter));
  dialog->setDefaultSuffix(QStringLiteral("csv"));
  dialog->selectFile(QStringLiteral("protokoll.csv"));
  UseProgramLocale(*dialog);
  return dialog;
}

std::unique_ptr<QFileDialog> BuildFileDialog(QWidget *owner, QFileDialog::AcceptMode mode) {
  auto dialog = std::make_unique<QFileDialog>(owner);
  dialog->setOptions(DialogOptions());
  dialog->setAcceptMode(mode);
  dialog->setWindowTitle(mode == QFileDialog::AcceptOpen ? Tr("Öffnen") : Tr("Speichern unter"));
  dialog->setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                      : QFileDialog::AnyFile);
  dialog->setNameFilter(Tr(kFilter));
  dialog->setDefaultSuffix(QString::fromLatin1(kSuffix));
  UseProgramLocale(*dialog);
  // Register files tend to live together; a folder since removed leaves Qt's own choice.
  const QString folder = Preferences().LastFolder();
  if (!folder.isEmpty() && QFileInfo(folder).isDir()) dialog->setDirectory(folder);
  return dialog;
}

QString DialogSeam::ReportPdfFilter() { return Tr(kPdfFilter); }

QString DialogSeam::ReportHtmlFilter() { return Tr(kHtmlFilter); }

QMessageBox::StandardButton ShowMessage(QWidget *owner, const QString &text,
                                        const QString &caption, QMessageBox::Icon icon,
                                        QMessageBox::StandardButtons buttons,
                                        const QString &detailedText,
                                        QMessageBox::StandardButton defaultButton) {
  return DialogSeam::Instance().ShowMessage(owner, text, caption, icon, buttons, detailedText,
                                            defaultButton);
}
