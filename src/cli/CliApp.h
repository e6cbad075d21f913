// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Invocation.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <optional>

struct CommandEntry;

// quorex-cli's command line: a command word, its register files and the options it takes.
// Judging it needs no console and no window system, so help, version and usage errors are
// answered before the application object a command needs is made.
class CliApp {
  Q_DECLARE_TR_FUNCTIONS(CliApp)

 public:
  CliApp();

  // `arguments` as QCoreApplication::arguments() gives them, the program first. Answers the
  // exit status when the program ends here: 0 after printing the help or the version, 2 after
  // printing what is wrong and a short usage. Otherwise answers nothing and fills *invocation.
  std::optional<int> Parse(const QStringList &arguments, Invocation *invocation);

  // Names the program "quorex-cli", not by the path it was started with.
  QString HelpText() const;
  // The help of one command: its synopsis, what it does, the options it takes. Empty for a
  // name that is no command.
  QString CommandHelpText(const QString &name) const;
  // One line per command, as in the manual page.
  static QString UsageText();

 private:
  // True when the words and options make a complete command; else errorText_ says why. The
  // steps, in this order, each against the command's row of the table: options, output file,
  // files and words, format.
  bool Check(Invocation *invocation);
  bool CheckOptions(const CommandEntry &entry, const QString &name, Invocation *checked);
  bool CheckOutput(const CommandEntry &entry, const QString &name, const Invocation &checked);
  bool CheckWords(const CommandEntry &entry, const QString &name, QStringList words,
                  Invocation *checked);
  bool CheckFormat(const CommandEntry &entry, const QString &name, Invocation *checked);
  // Keeps the reason and answers false.
  bool Fail(const QString &text);
  // The exit status once help or the version has been printed: 4 when stdout took none of it.
  static int Answered();

  QCommandLineParser parser_;
  QCommandLineOption helpOption_;
  QCommandLineOption versionOption_;
  QCommandLineOption portOption_;
  QCommandLineOption outputOption_;
  QCommandLineOption formatOption_;
  QCommandLineOption verifyOption_;
  QCommandLineOption backupOption_;
  QCommandLineOption baseOption_;
  QCommandLineOption sinceOption_;
  QCommandLineOption yesOption_;
  QCommandLineOption quietOption_;
  QCommandLineOption verboseOption_;
  QString errorText_;
};
