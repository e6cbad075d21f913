// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ConsoleController.h"
#include "ConsoleJournal.h"
#include "InterruptWatch.h"
#include "Invocation.h"
#include "ProgressBar.h"
#include "SettingsCommands.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <functional>

// The commands of quorex-cli, one function each, run on a checked command line. Each answers
// the process's exit status (ExitStatus) and has said why on stderr where it is not 0; results
// go to stdout or the output file.
//
// Every console job runs through the ConsoleController the window uses, waited for in an event
// loop of its own on the controller's signals: same waits, same texts, same backups and log
// lines. A backup or a log line that could not be stored is said beside the command's outcome
// and never changes it, but for the backup write --backup asks for.
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
  // Starts a job with `start` and turns an event loop until it has ended: well, failed (said
  // on stderr) or cut off by Ctrl+C, SIGTERM or SIGHUP (what the console now holds said).
  // Answers the exit status.
  int Await(const std::function<bool()> &start);
  // Await for a write of `file`'s settings: says `taken` once the console has taken them, and
  // answers the differences the check after writing found.
  int AwaitWrite(const QString &file, const std::function<QString()> &taken,
                 const std::function<bool()> &start);
  bool LoadFile(const QString &path, QStringList *texts);
  int ShowDifferences(const QStringList &a, const QStringList &b, const QString &nameA,
                      const QString &nameB);
  // To stdout, or into the output file (-o) when one is named.
  int Emit(const QByteArray &bytes);
  // To stdout, unflushed; false when not all of it went.
  static bool Put(const QByteArray &bytes);
  // The German message for the output file not saved.
  QString NotSavedText(const QString &reason) const;

  int Dispatch();
  // The settings commands, saying what they have to say as the other commands do.
  SettingsCommands Settings();
  // "quorex-cli: " and the message on one line, then the details on lines of their own.
  void Error(const QString &message, const QString &details = QString());
  // What went wrong beside the command (a backup, a log line), in the form of an error but
  // never taken for the command's own failure: said after the command's error, else before
  // whatever the command says next.
  void SayNotes();
  static QString OneLine(const QString &message);
  // Messages on stderr; Confirm only without --quiet.
  void Say(const QString &text);
  void Confirm(const QString &text);
  // "gespeichert in: " and the -o file, whose name may hold a line break or ESC.
  void ConfirmSaved();
  void Print(const QString &text);

  const Invocation invocation_;
  ConsoleController controller_;
  ProgressBar progress_;
  InterruptWatch interrupt_;
  QString lastError_;
  // The log, for the log command.
  ConsoleJournal journal_;
  QString versionText_;
  QStringList notes_;
};
