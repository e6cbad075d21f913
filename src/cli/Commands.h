// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ConsoleJournal.h"
#include "ConsoleSession.h"
#include "InterruptWatch.h"
#include "Invocation.h"
#include "ProgressBar.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QString>
#include <QStringList>

// The commands of quorex-cli, one function each, run on a checked command line. Each answers
// the process's exit status (ExitStatus) and has said why on stderr where it is not 0; results
// go to stdout or the output file.
//
// The console is reached only through a ConsoleSession, waited for in an event loop on its
// signals, so the session runs exactly as it does under the window: same waits, same texts.
// Like the window, every complete read leaves a backup and every console operation a line in
// the programming log; neither ever changes a command's outcome.
class Commands {
  Q_DECLARE_TR_FUNCTIONS(Commands)

 public:
  // Needs a QCoreApplication (a QGuiApplication for the PDF report).
  explicit Commands(const Invocation &invocation);

  // Runs the command; a failure with --format json is also given as {"error", "exit"}.
  int Run();

  int Read();
  int Write();
  // Reads the console (a backup), lays the text's settings over it and writes the result,
  // through the console controller.
  int Apply();
  int Verify();
  int Version();
  int Reset();
  int Report();
  int Diff();
  int Ports();
  // get, set, export, import: register files by setting ids (SettingsCommands).
  int RunSettings();
  int Log();

 private:
  // Reads the console into *read.
  int ReadConsole(ConsoleRead *read);
  // Waits until the running operation has ended: Finished, Failed (said) or Ctrl+C, SIGTERM
  // or SIGHUP (the operation aborted, what the console now holds said).
  int Await();
  QString InterruptedText(ConsoleSession::Operation operation, int sent, bool confirmed) const;
  int PortFailed();
  // A log line for `operation` (LogOperation); given a complete read, also its console and the
  // backup of it, stored now. A backup that could not be stored is said; given `required`, it
  // fails the command: *required becomes kFile.
  LogEntry Entry(const char *operation, const ConsoleRead *read = nullptr,
                 int *required = nullptr);
  // Appends the line, its result (where not set) taken from the exit status.
  void Record(LogEntry entry, int status);
  static QByteArray PortsText(const PortListing &listing);
  static QByteArray PortsJson(const PortListing &listing);
  bool LoadFile(const QString &path, QStringList *texts);
  // Reads the console, backs it up and compares it with the file's texts.
  int Check(const QString &file, const QStringList &texts);
  int ShowDifferences(const QStringList &a, const QStringList &b, const QString &nameA,
                      const QString &nameB);
  // To stdout, or into the output file (-o) when one is named.
  int Emit(const QByteArray &bytes);
  // To stdout, unflushed; false when not all of it went.
  static bool Put(const QByteArray &bytes);
  // The German message for the output file not saved.
  QString NotSavedText(const QString &reason) const;

  int Dispatch();
  // False with the reason when a file there could not be saved.
  static bool IsWritable(const QString &path, QString *why);
  // "quorex-cli: " and the message on one line, then the details on lines of their own.
  void Error(const QString &message, const QString &details = QString());
  // The same for what went wrong beside the command (a backup, a log line): never taken for
  // the command's own failure.
  void Note(const QString &message);
  static QString OneLine(const QString &message);
  // Messages on stderr; Confirm only without --quiet.
  void Say(const QString &text);
  void Confirm(const QString &text);

  const Invocation invocation_;
  ConsoleSession session_;
  ProgressBar progress_;
  InterruptWatch interrupt_;
  bool resetSent_ = false;
  QString lastError_;
  ConsoleJournal journal_;
  // Said before a failure of the running operation (the backup read of write --backup).
  QString failurePrefix_;
  // What the last failed or interrupted operation said, and a backup that could not be stored.
  QString failure_;
  QString backupFailure_;
};
