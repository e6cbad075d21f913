// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Commands.h"

#include "ConsoleController.h"

#include "ConsoleMessages.h"
#include "DifferenceList.h"
#include "LogListing.h"
#include "LogOperation.h"
#include "OutputFile.h"
#include "Register.h"
#include "RegisterFile.h"
#include "ReportFile.h"
#include "SerialPort.h"
#include "SettingsCommands.h"
#include "SettingsReport.h"
#include "SettingsText.h"
#include "TerminalText.h"

#include <QDateTime>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <cstdio>
#include <utility>

using namespace ExitStatus;
using Command = Invocation::Command;
using Format = Invocation::Format;

namespace {

QString Absolute(const QString &path) {
  return QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
}

// Reproducible builds and archives set SOURCE_DATE_EPOCH (seconds since 1970, UTC); a report
// then carries that moment, so a report of the same file comes out byte for byte the same.
QDateTime ReportTime() {
  bool number = false;
  const qint64 epoch = qEnvironmentVariable("SOURCE_DATE_EPOCH").toLongLong(&number);
  if (number && epoch >= 0) return QDateTime::fromSecsSinceEpoch(epoch, Qt::UTC);
  return QDateTime::currentDateTime();
}

}  // namespace

Commands::Commands(const Invocation &invocation)
    : invocation_(invocation),
      progress_(!invocation.quiet && ProgressBar::StderrIsTerminal()),
      journal_(QStringLiteral("quorex-cli")) {
  QObject::connect(&session_, &ConsoleSession::Progress, &session_,
                   [this](int done) { progress_.Show(done); });
  QObject::connect(&session_, &ConsoleSession::ResetSent, &session_, [this] {
    resetSent_ = true;
    progress_.Note(tr("Werkeinstellungen gesendet; der Quorex setzt sich zurück ..."));
  });
}

int Commands::Run() {
  const int status = Dispatch();
  // A script asking for JSON gets its failure as JSON too, beside the message on stderr.
  if (status != kOk && status != kDifferences && invocation_.format == Format::Json) {
    const QJsonObject error{{QStringLiteral("error"), lastError_},
                            {QStringLiteral("exit"), status}};
    std::fputs(QJsonDocument(error).toJson(QJsonDocument::Compact).append('\n').constData(),
               stdout);
    std::fflush(stdout);
  }
  return status;
}

int Commands::Dispatch() {
  // A result that could not be saved is known before the console or any file is touched: a
  // target that is no regular file, a folder that is missing or may not be written.
  if (!invocation_.output.isEmpty()) {
    const QString refused = OutputFile::Refusal(invocation_.output);
    QString why;
    if (!refused.isEmpty()) {
      Error(NotSavedText(refused));
      return kFile;
    }
    if (!IsWritable(invocation_.output, &why)) {
      Error(tr("Die Datei %1 kann nicht geschrieben werden: %2")
                .arg(QDir::toNativeSeparators(invocation_.output), why));
      return kFile;
    }
  }
  switch (invocation_.command) {
    case Command::Read:
      return Read();
    case Command::Write:
      return Write();
    case Command::Apply:
      return Apply();
    case Command::Verify:
      return Verify();
    case Command::Version:
      return Version();
    case Command::Reset:
      return Reset();
    case Command::Report:
      return Report();
    case Command::Diff:
      return Diff();
    case Command::Ports:
      return Ports();
    case Command::Get:
    case Command::Set:
    case Command::Export:
    case Command::Import:
      return RunSettings();
    case Command::Log:
      return Log();
  }
  return kUsage;
}

int Commands::Read() {
  ConsoleRead read;
  int status = ReadConsole(&read);
  LogEntry entry = Entry(LogOperation::kRead, status == kOk ? &read : nullptr);
  // Only a complete read gets this far: a failed one leaves an existing file as it was.
  if (status == kOk) {
    QString error;
    if (WriteRegisterFile(invocation_.output, read.texts, &error)) {
      entry.file = Absolute(invocation_.output);
    } else {
      Error(error);
      failure_ = error;
      status = kFile;
    }
  }
  Record(entry, status);
  if (status != kOk) return status;
  Confirm(tr("gespeichert in: ") + QDir::toNativeSeparators(invocation_.output));
  return kOk;
}

int Commands::Write() {
  const QString file = invocation_.files.constFirst();
  QStringList texts;
  // A file that is not a register file never reaches the console.
  if (!LoadFile(file, &texts)) return kFile;
  LogEntry write = Entry(LogOperation::kWrite);
  write.file = Absolute(file);
  if (invocation_.backup) {
    ConsoleRead before;
    failurePrefix_ = tr("Der Quorex konnte vor dem Senden nicht gesichert werden. Es wurde nichts "
                        "gesendet.") +
                     QStringLiteral("\n\n");
    int status = ReadConsole(&before);
    const LogEntry backup =
        Entry(LogOperation::kBackup, status == kOk ? &before : nullptr, &status);
    Record(backup, status);
    failurePrefix_.clear();
    if (status != kOk) return status;
    write.console = before.versionText;
    write.backup = backup.backup;
    write.differences = ConsoleJournal::DifferenceCount(texts, before.texts);
  }
  const bool started = session_.StartWrite(invocation_.port, texts);
  const int status = started ? Await() : PortFailed();
  write.registers = started ? session_.RegistersSent() : 0;
  Record(write, status);
  if (status != kOk) return status;
  Confirm(tr("Die Einstellungen wurden zum Quorex gesendet."));
  if (!invocation_.verify) return kOk;
  return Check(file, texts);
}

int Commands::Apply() {
  const QString file = invocation_.files.constFirst();
  const SettingsCatalog catalog;
  const SettingsText settings(catalog);
  // The text is judged before the port is opened: a refused text sends nothing. Values do not
  // depend on what they are laid over, so any base shows every fault.
  const QStringList blank(Register::kRegisterCount,
                          QString(Register::kRegisterLength, QLatin1Char('0')));
  QStringList texts;
  QString error;
  QStringList faults;
  if (!settings.ReadFile(file, &blank, &texts, &error, &faults)) {
    failure_ = error;
    Error(faults.isEmpty() ? error : error + QLatin1Char(' ') + tr("Es wurde nichts gesendet."),
          faults.join(QLatin1Char('\n')));
    return faults.isEmpty() ? kFile : kUsage;
  }

  ConsoleController controller;
  controller.SetProgram(QStringLiteral("quorex-cli"));
  QStringList changed;
  const auto compose = [&](const QStringList &console, QStringList *out, QString *summary) {
    QStringList refused;
    if (!settings.ReadFile(file, &console, out, summary, &refused, &changed)) return false;
    *summary = changed.isEmpty()
                   ? tr("Keine Einstellung geändert.")
                   : tr("Geändert: %1").arg(changed.join(QStringLiteral(", ")));
    return true;
  };

  QEventLoop loop;
  int status = kOk;
  const auto fail = [&](const QString &message, const QString &detail, int exit) {
    progress_.Break();
    failure_ = detail.isEmpty() ? message : message + QLatin1Char('\n') + tr("Details: %1").arg(detail);
    Error(message, detail.isEmpty() ? QString() : tr("Details: %1").arg(detail));
    status = exit;
    loop.quit();
  };
  QObject::connect(&controller, &ConsoleController::Progress, &loop,
                   [this](int done) { progress_.Show(done); });
  QObject::connect(&controller, &ConsoleController::Failed, &loop,
                   [&](ConsoleJob, const QString &message, const QString &detail) {
                     fail(message, detail, kConsole);
                   });
  QObject::connect(&controller, &ConsoleController::Noted, &loop,
                   [this](const QString &note) { Error(note); });
  QObject::connect(&controller, &ConsoleController::Written, &loop, [&] {
    Confirm(changed.isEmpty() ? tr("Die Einstellungen wurden zum Quorex gesendet; keine hatte "
                                   "sich geändert.")
                              : tr("Die Einstellungen wurden zum Quorex gesendet; geändert: %1")
                                    .arg(changed.join(QStringLiteral(", "))));
    if (!invocation_.verify) loop.quit();
  });
  QObject::connect(&controller, &ConsoleController::Checked, &loop,
                   [&](const QStringList &sent, const QStringList &console) {
                     status = ShowDifferences(sent, console, QDir::toNativeSeparators(file),
                                              tr("Quorex"));
                     loop.quit();
                   });
  QObject::connect(&interrupt_, &InterruptWatch::Interrupted, &loop, [&](int signalNumber) {
    const ConsoleSession &session = controller.Session();
    const ConsoleSession::Operation operation = session.Current();
    const bool beforeWrite = controller.Job() == ConsoleJob::Apply;
    const bool confirmed = session.IsWriteConfirmed();
    controller.Abort();
    // Abort counts what had left the line of a write up to this moment.
    const int sent = session.RegistersSent();
    progress_.Break();
    failure_ = InterruptedText(operation, sent, confirmed);
    Error(beforeWrite ? ConsoleController::FailureText(ConsoleJob::Apply, failure_) : failure_);
    status = kSignalBase + signalNumber;
    loop.quit();
  });
  interrupt_.Start();
  if (!controller.StartApply(invocation_.port, compose, invocation_.verify, Absolute(file))) {
    progress_.Break();
    const QString said = ConsoleController::FailureText(ConsoleJob::Apply, ConsoleMessages::OpenFailed());
    fail(said, controller.PortError(), kConsole);
    return status;
  }
  loop.exec();
  return status;
}

int Commands::Verify() {
  const QString file = invocation_.files.constFirst();
  QStringList texts;
  if (!LoadFile(file, &texts)) return kFile;
  return Check(file, texts);
}

int Commands::Check(const QString &file, const QStringList &texts) {
  ConsoleRead read;
  const int status = ReadConsole(&read);
  LogEntry entry = Entry(LogOperation::kVerify, status == kOk ? &read : nullptr);
  entry.file = Absolute(file);
  if (status != kOk) {
    Record(entry, status);
    return status;
  }
  entry.differences = ConsoleJournal::DifferenceCount(texts, read.texts);
  // Settings that differ fail the check; the line says how many.
  if (*entry.differences > 0) {
    entry.result = QStringLiteral("failed");
    entry.message = *entry.differences == 1
                        ? tr("1 Einstellung im Quorex weicht von der Datei ab.")
                        : tr("%1 Einstellungen im Quorex weichen von der Datei ab.")
                              .arg(*entry.differences);
  }
  Record(entry, kOk);
  return ShowDifferences(texts, read.texts, QDir::toNativeSeparators(file), tr("Quorex"));
}

int Commands::Version() {
  ConsoleRead read;
  const int status = ReadConsole(&read);
  Record(Entry(LogOperation::kVersion, status == kOk ? &read : nullptr), status);
  if (status != kOk) return status;
  return Emit(TerminalText::Escaped(read.versionText).toUtf8() + '\n');
}

int Commands::Reset() {
  if (!invocation_.yes) {
    Error(tr("Gerät auf Werkeinstellungen zurücksetzen? Alle Einstellungen des Quorex gehen dabei "
             "verloren."),
          tr("Bitte bestätigen Sie das mit --yes: quorex-cli reset --port %1 --yes")
              .arg(invocation_.port));
    return kUsage;
  }
  resetSent_ = false;
  ConsoleRead read;
  QObject receiver;
  QObject::connect(&session_, &ConsoleSession::ReadCompleted, &receiver,
                   [&read](const ConsoleRead &answer) { read = answer; });
  const int status = session_.StartReset(invocation_.port) ? Await() : PortFailed();
  Record(Entry(LogOperation::kReset, status == kOk ? &read : nullptr), status);
  if (status != kOk) return status;
  Confirm(tr("Der Quorex wurde auf Werkeinstellungen zurückgesetzt."));
  return kOk;
}

int Commands::Report() {
  const QString file = invocation_.files.constFirst();
  QStringList texts;
  if (!LoadFile(file, &texts)) return kFile;
  // As the window names its register file: the whole path.
  const SettingsReport report({texts, QDir::toNativeSeparators(QFileInfo(file).absoluteFilePath()),
                               QString(), ReportTime()});
  switch (invocation_.format) {
    case Format::Text:
      return Emit(report.Text().toUtf8());
    case Format::Json:
      return Emit(report.Json());
    case Format::Html:
      return Emit(report.Html().toUtf8());
    case Format::Csv:  // the command line refuses it for the report
      return kUsage;
    case Format::Pdf:
      break;
  }
  QString error;
  if (!ReportFile::Save(report.Html(), invocation_.output, ReportFile::Kind::Pdf,
                        SettingsReport::Title(), &error)) {
    Error(error);
    return kFile;
  }
  Confirm(tr("gespeichert in: ") + QDir::toNativeSeparators(invocation_.output));
  return kOk;
}

int Commands::Diff() {
  const QString fileA = invocation_.files.at(0);
  const QString fileB = invocation_.files.at(1);
  QStringList a;
  QStringList b;
  if (!LoadFile(fileA, &a) || !LoadFile(fileB, &b)) return kFile;
  return ShowDifferences(a, b, QDir::toNativeSeparators(fileA), QDir::toNativeSeparators(fileB));
}

int Commands::Ports() {
  // Asked once, so each port may be tried: that also finds one held by another program.
  const PortListing listing = SerialPort::ListPorts(true);
  const bool anyOpens = std::any_of(listing.ports.begin(), listing.ports.end(),
                                    [](const PortEntry &port) { return port.canOpen; });
  const int status =
      Emit(invocation_.format == Format::Json ? PortsJson(listing) : PortsText(listing));
  if (status != kOk || anyOpens) return status;
  // A list without a usable port is an answer too, but the user needs to know what next.
  if (!listing.deniedHint.isEmpty())
    Say(listing.deniedHint);
  else if (listing.ports.isEmpty())
    Say(tr("Es wurde kein serieller Port gefunden. Bitte prüfen Sie, ob der Adapter "
           "eingesteckt ist."));
  else
    Say(tr("Keiner der Ports lässt sich öffnen; sie sind wohl von einem anderen Programm "
           "belegt."));
  return kOk;
}

// One port per line under a header, in columns; "-" where the system knows nothing.
QByteArray Commands::PortsText(const PortListing &listing) {
  if (listing.ports.isEmpty()) return QByteArray();
  QList<QStringList> rows{{tr("Port"), tr("Beschreibung"), tr("Hersteller"), tr("Seriennummer"),
                           tr("Öffnen")}};
  for (const PortEntry &port : listing.ports) {
    QStringList row{port.name, port.description, port.manufacturer, port.serialNumber,
                    port.canOpen ? tr("ja") : tr("nein")};
    for (QString &cell : row)
      if (cell.trimmed().isEmpty()) cell = QStringLiteral("-");
    rows.append(row);
  }
  QList<int> widths(rows.constFirst().size(), 0);
  for (const QStringList &row : rows)
    for (int column = 0; column < row.size(); ++column)
      widths[column] = qMax(widths.at(column), int(row.at(column).size()));
  QString text;
  for (const QStringList &row : rows) {
    QString line;
    for (int column = 0; column < row.size(); ++column)
      line += column + 1 < row.size() ? row.at(column).leftJustified(widths.at(column) + 2)
                                      : row.at(column);
    text += line + QLatin1Char('\n');
  }
  return text.toUtf8();
}

QByteArray Commands::PortsJson(const PortListing &listing) {
  QJsonArray ports;
  for (const PortEntry &port : listing.ports) {
    const auto id = [](int value) { return value < 0 ? QJsonValue() : QJsonValue(value); };
    ports.append(QJsonObject{{QStringLiteral("name"), port.name},
                             {QStringLiteral("description"), port.description},
                             {QStringLiteral("manufacturer"), port.manufacturer},
                             {QStringLiteral("serialNumber"), port.serialNumber},
                             {QStringLiteral("vendorId"), id(port.vendorId)},
                             {QStringLiteral("productId"), id(port.productId)},
                             {QStringLiteral("canOpen"), port.canOpen}});
  }
  const QJsonObject root{{QStringLiteral("format"), QStringLiteral("quorex-ports/1")},
                         {QStringLiteral("ports"), ports},
                         {QStringLiteral("deniedHint"), listing.deniedHint}};
  return QJsonDocument(root).toJson();
}

int Commands::Log() {
  // Entry by entry as read, so that memory does not grow with the log. The header comes with
  // the first entry, or at the end: a log that cannot be read gives no output but the error.
  const Format format = invocation_.format;
  bool started = false;
  bool written = true;
  const auto put = [&](const QByteArray &bytes) {
    written = written && Put(bytes);
    return written;
  };
  const auto start = [&] {
    if (std::exchange(started, true)) return;
    if (format == Format::Csv) put(ProgrammingLog::CsvHeader());
    if (format == Format::Json) put(LogListing::JsonStart());
  };
  bool first = true;
  int damaged = 0;
  QString error;
  const bool read = journal_.Log().ForEach(
      [&](const LogEntry &entry) {
        if (!ProgrammingLog::IsSince(entry, invocation_.since)) return true;
        start();
        if (format == Format::Json)
          put(LogListing::JsonEntry(entry, std::exchange(first, false)));
        else if (format == Format::Csv)
          put(ProgrammingLog::CsvRow(entry));
        else
          put(LogListing::Text(entry).toUtf8());
        return written;
      },
      &damaged, &error);
  if (!read) {
    Error(error);
    return kFile;
  }
  start();
  if (format == Format::Json) put(LogListing::JsonEnd(first));
  if (!written || std::fflush(stdout) != 0) {
    Error(tr("Die Ausgabe konnte nicht geschrieben werden."));
    return kFile;
  }
  if (damaged > 0)
    Say(damaged == 1
            ? tr("1 beschädigte Zeile im Protokoll wurde übersprungen.")
            : tr("%1 beschädigte Zeilen im Protokoll wurden übersprungen.").arg(damaged));
  return kOk;
}

int Commands::RunSettings() {
  SettingsCommands settings(invocation_,
                            {[this](const QByteArray &bytes) { return Emit(bytes); },
                             [this](const QString &message, const QString &details) {
                               Error(message, details);
                             },
                             [this](const QString &text) {
                               if (invocation_.verbose) Say(text);
                             },
                             [this](const QString &text) { Confirm(text); }});
  switch (invocation_.command) {
    case Command::Get:
      return settings.Get();
    case Command::Set:
      return settings.Set();
    case Command::Export:
      return settings.Export();
    default:
      return settings.Import();
  }
}

int Commands::ReadConsole(ConsoleRead *read) {
  QObject receiver;
  QObject::connect(&session_, &ConsoleSession::ReadCompleted, &receiver,
                   [read](const ConsoleRead &answer) { *read = answer; });
  if (!session_.StartRead(invocation_.port)) return PortFailed();
  const int status = Await();
  if (status == kOk && invocation_.verbose)
    Say(tr("Gelesen von %1: %2").arg(invocation_.port, read->versionText));
  return status;
}

int Commands::Await() {
  interrupt_.Start();
  QEventLoop loop;
  int status = kOk;
  QObject::connect(&session_, &ConsoleSession::Finished, &loop, &QEventLoop::quit);
  QObject::connect(&session_, &ConsoleSession::Failed, &loop,
                   [&](const QString &message, const QString &detail) {
                     failure_ = detail.isEmpty()
                                    ? message
                                    : message + QLatin1Char('\n') + tr("Details: %1").arg(detail);
                     Error(failurePrefix_ + message,
                           detail.isEmpty() ? QString() : tr("Details: %1").arg(detail));
                     status = kConsole;
                     loop.quit();
                   });
  QObject::connect(&interrupt_, &InterruptWatch::Interrupted, &loop, [&](int signalNumber) {
    const ConsoleSession::Operation operation = session_.Current();
    const bool confirmed = session_.IsWriteConfirmed();
    // Abort counts what had left the line of a write up to this moment.
    session_.Abort();
    failure_ = InterruptedText(operation, session_.RegistersSent(), confirmed);
    Error(failurePrefix_ + failure_);
    status = kSignalBase + signalNumber;
    loop.quit();
  });
  loop.exec();
  return status;
}

QString Commands::InterruptedText(ConsoleSession::Operation operation, int sent,
                                  bool confirmed) const {
  switch (operation) {
    case ConsoleSession::Operation::Write:
      if (confirmed)
        return tr("Der Quorex hat den Empfang aller %1 Register bestätigt; die Übertragung ist "
                  "vollständig.")
            .arg(Register::kRegisterCount);
      // A command cut off in the middle lacks its "\r", and the console stores nothing of it.
      if (sent == 0)
        return tr(
            "Die Übertragung zum Quorex wurde abgebrochen, bevor ein Register gesendet "
            "war. Der Quorex enthält weiter seine bisherigen Einstellungen.");
      if (sent < Register::kRegisterCount) return ConsoleMessages::BrokenOff(sent);
      return tr("Die Übertragung zum Quorex wurde abgebrochen, nachdem alle %1 Register "
                "gesendet waren; der Quorex hat den Empfang aber nicht mehr bestätigt.\nBitte "
                "prüfen Sie die Einstellungen mit \"quorex-cli verify\".")
          .arg(Register::kRegisterCount);
    case ConsoleSession::Operation::Reset:
      if (resetSent_)
        return tr(
            "Der Quorex wurde auf Werkeinstellungen zurückgesetzt; das Lesen danach "
            "wurde abgebrochen.");
      return tr(
          "Das Zurücksetzen wurde abgebrochen, während der Befehl dazu gesendet wurde. "
          "Ob der Quorex auf Werkeinstellungen steht, zeigt erst ein erneutes Lesen.");
    case ConsoleSession::Operation::Read:
    case ConsoleSession::Operation::None:
      break;
  }
  return tr("Das Lesen des Quorex wurde abgebrochen.");
}

int Commands::PortFailed() {
  failure_ = ConsoleMessages::OpenFailed() + QLatin1Char('\n') +
             tr("Details: %1").arg(session_.PortError());
  Error(failurePrefix_ + ConsoleMessages::OpenFailed(),
        tr("Details: %1").arg(session_.PortError()));
  return kConsole;
}

LogEntry Commands::Entry(const char *operation, const ConsoleRead *read, int *required) {
  LogEntry entry;
  entry.operation = QString::fromLatin1(operation);
  entry.port = invocation_.port;
  if (!read) return entry;
  QString reason;
  backupFailure_ = journal_.BackUpInto(*read, &entry, &reason);
  if (backupFailure_.isEmpty()) return entry;
  if (!required) {
    Note(backupFailure_);
    return entry;
  }
  // The backup was the point: it fails the command, with what failurePrefix_ says first.
  backupFailure_.clear();
  failure_ = reason;
  Error(failurePrefix_ + reason);
  *required = kFile;
  return entry;
}

void Commands::Record(LogEntry entry, int status) {
  if (entry.result.isEmpty())
    entry.result = status == kOk || status == kDifferences ? QStringLiteral("ok")
                   : status > kSignalBase                  ? QStringLiteral("cancelled")
                                                           : QStringLiteral("failed");
  if (entry.message.isEmpty())
    entry.message =
        entry.result == QLatin1String("ok") ? backupFailure_ : failurePrefix_ + failure_;
  backupFailure_.clear();
  // Beside the command's own outcome, never in its place.
  const QString failed = journal_.Record(entry);
  if (!failed.isEmpty()) Note(failed);
}

bool Commands::LoadFile(const QString &path, QStringList *texts) {
  QString error;
  if (ReadRegisterFile(path, texts, &error)) return true;
  Error(error);
  return false;
}

int Commands::ShowDifferences(const QStringList &a, const QStringList &b, const QString &nameA,
                              const QString &nameB) {
  const DifferenceList differences(a, b);
  const int status =
      Emit(invocation_.format == Format::Json ? differences.Json()
                                              : differences.Text(nameA, nameB).toUtf8());
  if (status != kOk) return status;
  return differences.IsEqual() ? kOk : kDifferences;
}

bool Commands::Put(const QByteArray &bytes) {
  return std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout) == size_t(bytes.size());
}

int Commands::Emit(const QByteArray &bytes) {
  if (invocation_.output.isEmpty()) {
    // A full disk or a closed pipe behind stdout must not pass for success.
    if (!Put(bytes) || std::fflush(stdout) != 0) {
      Error(tr("Die Ausgabe konnte nicht geschrieben werden."));
      return kFile;
    }
    return kOk;
  }
  QString reason;
  if (!OutputFile::Save(invocation_.output, bytes, &reason)) {
    Error(NotSavedText(reason));
    return kFile;
  }
  Confirm(tr("gespeichert in: ") + QDir::toNativeSeparators(invocation_.output));
  return kOk;
}

bool Commands::IsWritable(const QString &path, QString *why) {
  const QFileInfo file(path);
  const QFileInfo folder(file.absolutePath());
  if (file.exists() && !file.isWritable())
    *why = tr("sie ist schreibgeschützt");
  else if (!folder.exists())
    *why = tr("den Ordner %1 gibt es nicht").arg(QDir::toNativeSeparators(folder.filePath()));
  else if (!folder.isDir())
    *why = tr("%1 ist kein Ordner").arg(QDir::toNativeSeparators(folder.filePath()));
  // A save writes a new file beside the old one and then renames it.
  else if (!folder.isWritable())
    *why = tr("in den Ordner %1 darf nicht geschrieben werden")
               .arg(QDir::toNativeSeparators(folder.filePath()));
  else
    return true;
  return false;
}

void Commands::Error(const QString &message, const QString &details) {
  lastError_ = OneLine(message);
  Say(QStringLiteral("quorex-cli: ") + lastError_ +
      (details.isEmpty() ? QString() : QLatin1Char('\n') + details));
}

void Commands::Note(const QString &message) {
  Say(QStringLiteral("quorex-cli: ") + OneLine(message));
}

QString Commands::OneLine(const QString &message) {
  // The window's texts break lines to fit a message box; a terminal gets the message on one
  // line, so a script's grep and a log show it whole.
  QStringList parts;
  for (const QString &line : message.split(QLatin1Char('\n'), Qt::SkipEmptyParts))
    parts << line.trimmed();
  return parts.join(QLatin1Char(' '));
}

QString Commands::NotSavedText(const QString &reason) const {
  return tr("Die Datei\n%1\nkonnte nicht gespeichert werden:\n%2")
      .arg(QDir::toNativeSeparators(invocation_.output), reason);
}

void Commands::Say(const QString &text) {
  progress_.Break();
  // Messages name consoles and files, whose names may hold anything.
  std::fprintf(stderr, "%s\n", qUtf8Printable(TerminalText::Escaped(text, true)));
  std::fflush(stderr);
}

void Commands::Confirm(const QString &text) {
  if (!invocation_.quiet) Say(text);
}
