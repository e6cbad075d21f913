// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QString>
#include <QStringList>

// The window program's command line: `quorex [--port PORT] [datei]`, `--help`, `--version`. Parsing needs no
// window system, so help and version can be answered before there is one.
class CommandLine {
  Q_DECLARE_TR_FUNCTIONS(CommandLine)

 public:
  enum class Request { Run, Help, Version, Error };

  CommandLine();

  // `arguments` as QCoreApplication::arguments() gives them, the program first.
  Request Parse(const QStringList &arguments);

  // Absolute path of the register file to open at start; empty when none was named.
  QString FilePath() const { return filePath_; }
  // The port "Port:" starts with; empty when none was named.
  QString Port() const { return port_; }
  // Why Parse answered Error, in German, one line.
  QString ErrorText() const { return errorText_; }
  // Whether the Error may only be an option of Qt's own (-platform, -style, ...), which the
  // window system takes out of the line once it is there; any other error is final without one.
  bool MayBeQtOption() const;
  // The help, naming the program as it is called, not by the path it was started with.
  QString HelpText() const;

  // Qt's own way of showing help and version (the application's name and version): stdout, or a
  // message box where a Windows program has no console. Both end the process with 0.
  [[noreturn]] void ShowHelp();
  [[noreturn]] void ShowVersion();

 private:
  QCommandLineParser parser_;
  QCommandLineOption helpOption_;
  QCommandLineOption versionOption_;
  QCommandLineOption portOption_;
  QString filePath_;
  QString port_;
  QString errorText_;
};
