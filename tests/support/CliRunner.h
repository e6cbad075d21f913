// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "TestFiles.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QList>
#include <QProcess>
#include <QProcessEnvironment>
#include <QSignalSpy>
#include <QString>
#include <QTemporaryDir>
#include <QStringList>

// quorex-cli run as a process, as a workshop's script runs it (QUOREX_CLI_PROGRAM names it).
// A run turns this test's event loop while it waits, so that a simulated console in this
// process can answer: nothing here blocks waiting for the process.

// One run of quorex-cli; started at once, awaited with Finish().
class CliRun {
 public:
  explicit CliRun(const QStringList &arguments, const QString &workingDirectory = QString(),
                  const QProcessEnvironment &environment = QProcessEnvironment::systemEnvironment(),
                  const QString &stderrFile = QString()) {
    process_.setProcessEnvironment(environment);
    process_.setWorkingDirectory(workingDirectory);
    if (!stderrFile.isEmpty()) process_.setStandardErrorFile(stderrFile);
    process_.start(QStringLiteral(QUOREX_CLI_PROGRAM), arguments);
#ifdef Q_OS_WIN
    // Wine now and then cannot create a process at all ("Internal error"); a second start
    // tells that hiccup of the test bed from a program that cannot start.
    if (process_.error() == QProcess::FailedToStart)
      process_.start(QStringLiteral(QUOREX_CLI_PROGRAM), arguments);
#endif
  }
  ~CliRun() {
    if (process_.state() != QProcess::NotRunning) {
      process_.kill();
      process_.waitForFinished(1000);
    }
  }
  CliRun(const CliRun &) = delete;
  CliRun &operator=(const CliRun &) = delete;

  // Turns the event loop until the program has ended; false if it did not end by itself in
  // time or did not run at all.
  bool Finish(int timeoutMs = 30000) {
    if (finished_.isEmpty() && process_.error() != QProcess::FailedToStart)
      finished_.wait(timeoutMs);
    if (finished_.isEmpty()) return false;
    out_ = QString::fromUtf8(process_.readAllStandardOutput());
    err_ = QString::fromUtf8(process_.readAllStandardError());
    return process_.exitStatus() == QProcess::NormalExit;
  }
  bool IsRunning() const { return finished_.isEmpty(); }
  qint64 Pid() const { return process_.processId(); }
  int ExitCode() const { return process_.exitCode(); }
  const QString &Out() const { return out_; }
  const QString &Err() const { return err_; }
  // For QVERIFY2 after a surprise.
  QByteArray Said() const {
    return QStringLiteral("exit %1\nstdout: %2\nstderr: %3")
        .arg(process_.exitCode())
        .arg(out_, err_)
        .toUtf8();
  }

 private:
  QProcess process_;
  QSignalSpy finished_{&process_, &QProcess::finished};
  QString out_;
  QString err_;
};

// A run that needs no console, started and awaited at once. `exit` is -1 when the program did
// not end by itself.
struct CliResult {
  int exit = -1;
  QString out;
  QString err;
};

inline CliResult RunCli(const QStringList &arguments,
                        const QProcessEnvironment &environment =
                            QProcessEnvironment::systemEnvironment()) {
  CliRun run(arguments, QString(), environment);
  if (!run.Finish()) return {};
  return {run.ExitCode(), run.Out(), run.Err()};
}

// quorex-cli keeps its backups and log below XDG_DATA_HOME, here a folder of the test's own.
inline QProcessEnvironment DataHome(const QString &folder) {
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert(QStringLiteral("XDG_DATA_HOME"), folder);
  // The log's local times, as the text listing shows them, do not depend on the machine.
  environment.insert(QStringLiteral("TZ"), QStringLiteral("UTC"));
  return environment;
}

// The programming log's lines below that folder, each parsed; an unreadable line stops the
// test program.
inline QList<QJsonObject> LogLines(const QString &dataHome) {
  QList<QJsonObject> lines;
  for (const QByteArray &line :
       Contents(dataHome + QStringLiteral("/quorex/protokoll.jsonl")).split('\n')) {
    if (line.isEmpty()) continue;
    const QJsonDocument document = QJsonDocument::fromJson(line);
    if (!document.isObject()) qFatal("damaged log line %s", line.constData());
    lines << document.object();
  }
  return lines;
}

// What quorex-cli says of a console it cannot reach: the window's texts word for word, after
// the program's name on one line; details follow on lines of their own.
const QString kOpenFailed = QStringLiteral(
    "quorex-cli: Das Gerät konnte nicht initialisiert werden. "
    "Bitte stellen Sie sicher dass das Gerät am gewählten Port "
    "angeschlossen ist und keine andere Anwendung den Port "
    "benutzt.\n");
const QString kSilent = QStringLiteral(
    "quorex-cli: Der Quorex antwortet nicht. Bitte prüfen Sie, ob das Gerät eingeschaltet und am "
    "gewählten Port angeschlossen ist.\n");
const QString kHungUp = QStringLiteral(
    "quorex-cli: Die Verbindung zum Quorex wurde unterbrochen. Bitte prüfen Sie Kabel und "
    "Port.\n");
const QString kNoSuchPort = QStringLiteral("/dev/quorex-no-such-port");

// The folder a quorex-cli test keeps its files in, for the test classes to inherit.
class CliTestFolder {
 protected:
  QString Path(const QString &name) const { return dir_.filePath(name); }
  template <class Content>
  QString WriteFile(const QString &name, const Content &content) const {
    return ::WriteFile(Path(name), content);
  }

  QTemporaryDir dir_;
};
