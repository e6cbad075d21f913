// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ExtrasCommands.h"

#include "BackupsDialog.h"
#include "CompareDialog.h"
#include "ConsoleController.h"
#include "ConsoleJournal.h"
#include "DialogHelpers.h"
#include "DialogSeam.h"
#include "JobMessages.h"
#include "LogDialog.h"
#include "LogIndex.h"
#include "Preferences.h"
#include "Register.h"
#include "ReportFile.h"
#include "ReportPdf.h"
#include "SendPreview.h"
#include "SettingsReport.h"

#include <QAction>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QPageLayout>
#include <QPrinter>
#include <QTextDocument>
#include <QTime>

namespace {

QString Now() { return QTime::currentTime().toString(QStringLiteral("HH:mm:ss")); }

// About 4000 lines, read in a few hundredths of a second.
constexpr qint64 kNewestLogBytes = 1 << 20;

}  // namespace

ExtrasCommands::ExtrasCommands(QWidget *owner, const Register &image,
                               ConsoleController &controller, std::function<QString()> portName,
                               std::function<bool(const QString &)> openFile)
    : QObject(owner),
      owner_(owner),
      image_(image),
      controller_(controller),
      portName_(std::move(portName)),
      openFile_(std::move(openFile)),
      verifyAfterWrite_(Preferences().VerifyAfterWrite()),
      backUpBeforeWrite_(Preferences().BackUpBeforeWrite()),
      lookBeforeWrite_(Preferences().LookBeforeWrite()) {
  connect(&controller_, &ConsoleController::Previewed, this, &ExtrasCommands::AskBeforeSending);
  connect(&controller_, &ConsoleController::Compared, this, [this](const QStringList &console) {
    ShowComparison(image_.AllTexts(), console, tr("Vergleich mit Quorex"),
                   tr("Einstellungen, die sich im Programm und im Quorex am Port %1 "
                      "unterscheiden:")
                       .arg(controller_.Port()),
                   tr("Im Quorex"));
  });
  connect(&controller_, &ConsoleController::Checked, this, &ExtrasCommands::ShowCheckResult);
}

void ExtrasCommands::AddTo(QMenu &extras) {
  const auto add = [&](const QString &text, const char *name, void (ExtrasCommands::*run)()) {
    QAction *action = extras.addAction(text, this, run);
    action->setObjectName(QString::fromLatin1(name));
    return action;
  };
  add(tr("Einstellungsbericht &speichern ..."), "berichtSpeichernAction",
      &ExtrasCommands::SaveReport);
  add(tr("Einstellungsbericht d&rucken ..."), "berichtDruckenAction", &ExtrasCommands::PrintReport);
  extras.addSeparator();
  add(tr("Mit &Datei vergleichen ..."), "dateiVergleichenAction", &ExtrasCommands::CompareWithFile);
  QAction *quorexVergleichen = extras.addAction(tr("Mit &Quorex vergleichen ..."), this,
                                                [this] { CompareWithConsole(portName_()); });
  quorexVergleichen->setObjectName(QStringLiteral("quorexVergleichenAction"));
  extras.addSeparator();
  AddChoice(extras, tr("Nach dem Senden &prüfen"), "pruefenAction", &verifyAfterWrite_,
            [](bool on) { Preferences().SetVerifyAfterWrite(on); });
  AddChoice(extras, tr("&Vor dem Senden sichern"), "sichernAction", &backUpBeforeWrite_,
            [](bool on) { Preferences().SetBackUpBeforeWrite(on); });
  AddChoice(extras, tr("Vor dem Senden &Unterschiede zeigen"), "unterschiedeAction",
            &lookBeforeWrite_, [](bool on) { Preferences().SetLookBeforeWrite(on); });
  extras.addSeparator();
  add(tr("S&icherungen ..."), "sicherungenAction", &ExtrasCommands::ShowBackups);
  add(tr("Pro&tokoll ..."), "protokollAction", &ExtrasCommands::ShowLog);
  connect(&extras, &QMenu::aboutToShow, this, [this, &extras, quorexVergleichen] {
    const bool idle = !controller_.IsBusy();
    for (QAction *action : extras.actions()) action->setEnabled(idle);
    // Like "Senden": a console is compared with sensible settings only.
    quorexVergleichen->setEnabled(idle && controller_.States().senden);
  });
}

void ExtrasCommands::AddChoice(QMenu &extras, const QString &text, const char *name, bool *flag,
                               void (*store)(bool)) {
  QAction *action = extras.addAction(text);
  action->setObjectName(QString::fromLatin1(name));
  action->setCheckable(true);
  action->setChecked(*flag);
  connect(action, &QAction::toggled, this, [flag, store](bool on) {
    *flag = on;
    store(on);
  });
}

// The version text only once a console has given one; before that the image holds a hint for
// the version box, which is no version.
QString ExtrasCommands::ReportHtml() const {
  SettingsReport::Input input = SettingsReport::FromImage(image_, QDateTime::currentDateTime());
  if (input.versionText == Register::kVersionHint) input.versionText.clear();
  return SettingsReport(input).Html();
}

void ExtrasCommands::SaveReport() {
  if (controller_.IsBusy()) return;
  QString filter;
  const QString path = DialogSeam::Instance().AskReportFileName(owner_, &filter);
  if (path.isEmpty()) return;
  // A typed ending wins over the file type shown in the dialog.
  const QString suffix = QFileInfo(path).suffix().toLower();
  const bool html = suffix == QLatin1String("html") || suffix == QLatin1String("htm") ||
                    (suffix != QLatin1String("pdf") && filter == DialogSeam::ReportHtmlFilter());
  QString error;
  if (!ReportFile::Save(ReportHtml(), path, html ? ReportFile::Kind::Html : ReportFile::Kind::Pdf,
                        SettingsReport::Title(), &error)) {
    emit Status(tr("Fehler beim Speichern des Berichts: ") + error);
    ShowMessage(owner_, error, tr("Fehler"), QMessageBox::Critical, QMessageBox::Ok);
    return;
  }
  emit Status(tr("Bericht gespeichert: ") + QFileInfo(path).fileName());
}

void ExtrasCommands::PrintReport() {
  if (controller_.IsBusy()) return;
  QPrinter printer(QPrinter::HighResolution);
  printer.setDocName(SettingsReport::Title());
  // QTextDocument::print() keeps 2 cm margins of its own inside the printable area.
  printer.setPageMargins(QMarginsF(), QPageLayout::Millimeter);
  if (!DialogSeam::Instance().AskPrinter(owner_, printer)) return;
  // Printing into a PDF file goes the way of every saved file: QPrinter would leave a cut-off
  // file on a full disk and still report no error.
  if (printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty()) {
    QString error;
    if (!ReportPdf::Write(ReportHtml(), printer.outputFileName(), SettingsReport::Title(),
                          &error, printer.pageLayout())) {
      emit Status(tr("Der Bericht konnte nicht gedruckt werden."));
      ShowMessage(owner_, error, tr("Fehler"), QMessageBox::Critical, QMessageBox::Ok);
      return;
    }
    emit Status(tr("Bericht gedruckt"));
    return;
  }
  QTextDocument document;
  document.setHtml(ReportHtml());
  document.print(&printer);
  if (printer.printerState() == QPrinter::Error) {
    emit Status(tr("Der Bericht konnte nicht gedruckt werden."));
    ShowMessage(owner_, tr("Der Bericht konnte nicht gedruckt werden."), tr("Fehler"),
                QMessageBox::Critical, QMessageBox::Ok);
    return;
  }
  emit Status(tr("Bericht gedruckt"));
}

void ExtrasCommands::CompareWithFile() {
  if (controller_.IsBusy()) return;
  const QString path = DialogSeam::Instance().AskOpenFileName(owner_);
  if (path.isEmpty()) return;
  Register file;
  QString error;
  if (!file.LoadFromFile(path, &error)) {
    ShowMessage(owner_, error, tr("Fehler"), QMessageBox::Critical, QMessageBox::Ok);
    return;
  }
  ShowComparison(image_.AllTexts(), file.AllTexts(), tr("Vergleich mit Datei"),
                 tr("Einstellungen, die sich im Programm und in der Datei %1 unterscheiden:")
                     .arg(QDir::toNativeSeparators(path)),
                 tr("In der Datei"));
}

// Buttons and tree as during "Lesen": nothing may start on the console or change the
// registers being compared until the read has ended.
void ExtrasCommands::CompareWithConsole(const QString &port) {
  if (controller_.IsBusy() || !controller_.States().senden) return;
  controller_.StartCompare(port);
}

// Passed only when every character came back as sent; the list names the settings.
void ExtrasCommands::ShowCheckResult(const QStringList &sent, const QStringList &console) {
  int differing = 0;
  for (int reg = 0; reg < sent.size(); ++reg)
    if (reg >= console.size() || console.at(reg) != sent.at(reg)) ++differing;
  if (differing == 0) {
    emit Status(tr("Geprüft: alle %1 Register gleich, %2").arg(sent.size()).arg(Now()));
    ShowMessage(owner_, tr("Alle 200 Register wurden geschrieben und geprüft."),
                tr("Prüfung nach dem Senden"), QMessageBox::Information, QMessageBox::Ok);
    return;
  }
  emit Status(tr("Geprüft: %1 von %2 Registern abweichend, %3")
                  .arg(differing)
                  .arg(sent.size())
                  .arg(Now()));
  ShowDifferences(SettingsCatalog().Compare(sent, console),
                  tr("Prüfung nach dem Senden fehlgeschlagen"),
                  JobMessages::NotTaken(controller_.Port()),
                  tr("Gesendet"), tr("Im Quorex"));
}

// Window-modal without a nested event loop: the answer comes in `finished`.
void ExtrasCommands::AskBeforeSending(const QStringList &sent, const QStringList &console) {
  const int count = ConsoleJournal::DifferenceCount(sent, console);
  auto *dialog = new SendPreview(SettingsCatalog().Compare(sent, console), controller_.Port(),
                                 owner_);
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  KeepTitleVisible(*dialog);
  connect(dialog, &QDialog::finished, this, [this, count](int result) {
    if (result == QDialog::Accepted) return controller_.SendAfterPreview();
    const QString found = count == 1 ? tr("1 Einstellung verschieden")
                                     : tr("%1 Einstellungen verschieden").arg(count);
    emit Status(tr("Nichts gesendet: abgebrochen nach dem Vergleich (%1), %2").arg(found, Now()));
    controller_.CancelAfterPreview();
  });
  dialog->open();
}

void ExtrasCommands::ShowComparison(const QStringList &program, const QStringList &other,
                                    const QString &title, const QString &summary,
                                    const QString &otherColumn) {
  const auto differences = SettingsCatalog().Compare(program, other);
  const int count = int(differences.size());
  const QString found = count == 0   ? tr("keine Unterschiede")
                        : count == 1 ? tr("1 Einstellung verschieden")
                                     : tr("%1 Einstellungen verschieden").arg(count);
  emit Status(tr("%1: %2, %3").arg(title, found, Now()));
  if (differences.empty()) {
    ShowMessage(owner_, tr("Keine Unterschiede."), title, QMessageBox::Information,
                QMessageBox::Ok);
    return;
  }
  ShowDifferences(differences, title, summary, tr("Im Programm"), otherColumn);
}

// Not modal: the technician can keep the list open beside the pages while putting things
// right. A new comparison replaces the old list.
void ExtrasCommands::ShowDifferences(const std::vector<SettingsCatalog::Difference> &differences,
                                     const QString &title, const QString &summary,
                                     const QString &programColumn, const QString &otherColumn) {
  if (compareDialog_) compareDialog_->close();
  auto *dialog = new CompareDialog(differences, programColumn, otherColumn, summary, owner_);
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  dialog->setWindowTitle(title);
  KeepTitleVisible(*dialog);
  compareDialog_ = dialog;
  dialog->show();
  // The list takes the keyboard at once: arrows, Ctrl+C and Escape work without a click.
  dialog->raise();
  dialog->activateWindow();
}

void ExtrasCommands::ShowBackups() {
  if (controller_.IsBusy()) return;
  const ConsoleJournal journal = controller_.Journal();
  const BackupStore store = journal.Backups();
  std::vector<BackupStore::Backup> backups = store.List();
  // Without a readable log the list still shows every backup, by its name alone. Only the
  // lines that name a backup can describe one; the others are not read.
  BackupStore::Describe(&backups, LogIndex::BackupLines(journal.LogPath()));
  auto *dialog = new BackupsDialog(backups, store.Folder(), image_.AllTexts(), owner_);
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  connect(dialog, &QDialog::accepted, this, [this, dialog] {
    const QString path = dialog->ChosenFile();
    // Opened once the dialog has gone: the question about unsaved edits is a box of its own.
    QMetaObject::invokeMethod(
        this, [this, path] { openFile_(path); }, Qt::QueuedConnection);
  });
  connect(dialog, &BackupsDialog::TakeOverRequested, this, [this](const QString &path) {
    QMetaObject::invokeMethod(
        this, [this, path] { emit TakeOverRequested(path); }, Qt::QueuedConnection);
  });
  dialog->open();
}

void ExtrasCommands::ShowLog() {
  auto log = std::make_unique<LogIndex>(controller_.Journal().LogPath());
  QString error;
  // The newest lines at once; the dialog reads the older ones while it is open.
  if (!log->LoadNewest(kNewestLogBytes, &error)) {
    ShowMessage(owner_, error, tr("Fehler"), QMessageBox::Critical, QMessageBox::Ok);
    return;
  }
  auto *dialog = new LogDialog(std::move(log), owner_);
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  dialog->open();
}
