// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Commands.h"

#include "DifferenceList.h"
#include "LogListing.h"
#include "OutputFile.h"
#include "PortsListing.h"
#include "RegisterFile.h"
#include "ReportFile.h"
#include "SettingsCommands.h"
#include "SettingsReport.h"
#include "TerminalText.h"

#include <QDateTime>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QObject>
#include <QJsonDocument>
#include <QJsonObject>

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
  controller_.SetProgram(QStringLiteral("quorex-cli"));
  QObject::connect(&controller_, &ConsoleController::Progress, &controller_,
                   [this](int done) { progress_.Show(done); });
  // The reset's own read follows once the console has reset itself.
  QObject::connect(&controller_, &ConsoleController::ResetSent, &controller_, [this] {
    progress_.Note(tr("Werkeinstellungen gesendet; der Quorex setzt sich zurück ..."));
  });
  QObject::connect(&controller_, &ConsoleController::ReadCompleted, &controller_,
                   [this](const ConsoleRead &read) {
                     versionText_ = read.versionText;
                     if (invocation_.verbose)
                       Say(tr("Gelesen von %1: %2").arg(invocation_.port, read.versionText));
                   });
  // Said once the command has said how it went, as the old lines came after it.
  QObject::connect(&controller_, &ConsoleController::JournalFailed, &controller_,
                   [this](const QString &text) { notes_ << text; });
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
    if (!OutputFile::IsWritable(invocation_.output, &why)) {
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
  const int status = Await([this] {
    return controller_.StartRead(invocation_.port, invocation_.output);
  });
  if (status != kOk) return status;
  ConfirmSaved();
  return kOk;
}

int Commands::Write() {
  const QString file = invocation_.files.constFirst();
  QStringList texts;
  // A file that is not a register file never reaches the console.
  if (!LoadFile(file, &texts)) return kFile;
  return AwaitWrite(
      file, [] { return tr("Die Einstellungen wurden zum Quorex gesendet."); },
      [&] {
        return controller_.StartWrite(invocation_.port, texts, invocation_.verify,
                                      invocation_.backup, Absolute(file));
      });
}

int Commands::AwaitWrite(const QString &file, const std::function<QString()> &taken,
                         const std::function<bool()> &start) {
  QObject context;
  QObject::connect(&controller_, &ConsoleController::Written, &context,
                   [&] { Confirm(taken()); });
  int compared = kOk;
  QObject::connect(&controller_, &ConsoleController::Checked, &context,
                   [&](const QStringList &sent, const QStringList &console) {
                     compared = ShowDifferences(sent, console, QDir::toNativeSeparators(file),
                                                tr("Quorex"));
                   });
  const int status = Await(start);
  return status != kOk ? status : compared;
}

int Commands::Apply() {
  const QString file = invocation_.files.constFirst();
  SettingsCommands settings = Settings();
  SettingsCommands::Compose compose;
  QStringList changed;
  const int judged = settings.JudgeApply(&compose, &changed);
  if (judged != kOk) return judged;
  return AwaitWrite(
      file,
      [&] {
        return changed.isEmpty()
                   ? tr("Die Einstellungen wurden zum Quorex gesendet; keine hatte sich "
                        "geändert.")
                   : tr("Die Einstellungen wurden zum Quorex gesendet; geändert: %1")
                         .arg(changed.join(QStringLiteral(", ")));
      },
      [&] {
        return controller_.StartApply(invocation_.port, compose, invocation_.verify,
                                      Absolute(file));
      });
}

int Commands::Verify() {
  const QString file = invocation_.files.constFirst();
  QStringList texts;
  if (!LoadFile(file, &texts)) return kFile;
  QObject context;
  int compared = kOk;
  QObject::connect(&controller_, &ConsoleController::Compared, &context,
                   [&](const QStringList &console) {
                     compared = ShowDifferences(texts, console, QDir::toNativeSeparators(file),
                                                tr("Quorex"));
                   });
  const int status = Await(
      [&] { return controller_.StartVerify(invocation_.port, texts, Absolute(file)); });
  return status != kOk ? status : compared;
}

int Commands::Version() {
  const int status = Await([this] { return controller_.StartVersion(invocation_.port); });
  if (status != kOk) return status;
  return Emit(TerminalText::Escaped(versionText_).toUtf8() + '\n');
}

int Commands::Reset() {
  if (!invocation_.yes) {
    Error(tr("Gerät auf Werkeinstellungen zurücksetzen? Alle Einstellungen des Quorex gehen dabei "
             "verloren."),
          tr("Bitte bestätigen Sie das mit --yes: quorex-cli reset --port %1 --yes")
              .arg(invocation_.port));
    return kUsage;
  }
  // --yes has answered the question the window asks.
  controller_.AskReset();
  const int status = Await([this] { return controller_.StartReset(invocation_.port); });
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
  ConfirmSaved();
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
  const PortListing listing = ConsoleController::ListPorts(true);
  const int status =
      Emit(invocation_.format == Format::Json ? PortsListing::Json(listing)
                                                 : PortsListing::Text(listing));
  // A list without a usable port is an answer too, but the user needs to know what next.
  const QString advice = PortsListing::Advice(listing);
  if (status == kOk && !advice.isEmpty()) Say(advice);
  return status;
}

int Commands::Log() {
  // Entry by entry as read, so that memory does not grow with the log.
  bool written = true;
  int damaged = 0;
  QString error;
  const bool read = LogListing::Stream(
      journal_.Log(), invocation_.format, invocation_.since,
      [&written](const QByteArray &bytes) { return written = written && Put(bytes); }, &damaged,
      &error);
  if (!read) {
    Error(error);
    return kFile;
  }
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

SettingsCommands Commands::Settings() {
  return SettingsCommands(invocation_,
                          {[this](const QByteArray &bytes) { return Emit(bytes); },
                           [this](const QString &message, const QString &details) {
                             Error(message, details);
                           },
                           [this](const QString &text) {
                             if (invocation_.verbose) Say(text);
                           },
                           [this](const QString &text) { Confirm(text); }});
}

int Commands::RunSettings() {
  SettingsCommands settings = Settings();
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

int Commands::Await(const std::function<bool()> &start) {
  QEventLoop loop;
  QObject context;
  int status = kOk;
  bool ended = false;
  QObject::connect(&controller_, &ConsoleController::Ended, &context, [&] {
    ended = true;
    loop.quit();
  });
  const auto failed = [&](ConsoleJob, const QString &message, const QString &detail) {
    Error(message, detail.isEmpty() ? QString() : tr("Details: %1").arg(detail));
    status = kConsole;
  };
  QObject::connect(&controller_, &ConsoleController::PortFailed, &context, failed);
  QObject::connect(&controller_, &ConsoleController::Failed, &context, failed);
  QObject::connect(&controller_, &ConsoleController::StoreFailed, &context,
                   [&](ConsoleJob, const QString &message) {
                     Error(message);
                     status = kFile;
                   });
  QObject::connect(&interrupt_, &InterruptWatch::Interrupted, &context, [&](int signalNumber) {
    Error(controller_.Cancel());
    status = kSignalBase + signalNumber;
    ended = true;
    loop.quit();
  });
  interrupt_.Start();
  start();
  if (!ended) loop.exec();
  SayNotes();
  return status;
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
                                              : differences.Text(TerminalText::Escaped(nameA),
                                                                 TerminalText::Escaped(nameB))
                                                    .toUtf8());
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
  ConfirmSaved();
  return kOk;
}

void Commands::Error(const QString &message, const QString &details) {
  lastError_ = OneLine(message);
  Print(QStringLiteral("quorex-cli: ") + lastError_ +
        (details.isEmpty() ? QString() : QLatin1Char('\n') + details));
  SayNotes();
}

void Commands::SayNotes() {
  for (const QString &note : std::exchange(notes_, QStringList()))
    Print(QStringLiteral("quorex-cli: ") + OneLine(note));
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
  SayNotes();
  Print(text);
}

void Commands::Print(const QString &text) {
  progress_.Break();
  // Messages name consoles and files, whose names may hold anything.
  std::fprintf(stderr, "%s\n", qUtf8Printable(TerminalText::Escaped(text, true)));
  std::fflush(stderr);
}

void Commands::Confirm(const QString &text) {
  if (!invocation_.quiet) Say(text);
}

void Commands::ConfirmSaved() {
  Confirm(tr("gespeichert in: ") +
          TerminalText::Escaped(QDir::toNativeSeparators(invocation_.output)));
}
