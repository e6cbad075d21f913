// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#include "CQuorexApp.h"
#include "CQuorexDlg.h"
#include "CommandLine.h"
#include "Preferences.h"
#include "QuorexVersion.h"
#include "ScriptedDialogs.h"
#include "TestFiles.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QtTest>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

Q_DECLARE_METATYPE(CommandLine::Request)

namespace {

QString Version() { return QString::fromLatin1(kQuorexVersion); }

// Records whether the window was already on screen when a message appeared.
class WatchingDialogs : public ScriptedDialogs {
 public:
  QWidget *window = nullptr;
  QList<bool> windowVisible;

  QMessageBox::StandardButton ShowMessage(QWidget *owner, const QString &text,
                                          const QString &caption, QMessageBox::Icon icon,
                                          QMessageBox::StandardButtons buttons,
                                          const QString &detailedText,
                                          QMessageBox::StandardButton defaultButton) override {
    windowVisible << (window && window->isVisible());
    return ScriptedDialogs::ShowMessage(owner, text, caption, icon, buttons, detailedText,
                                        defaultButton);
  }
};

}  // namespace

class TestCommandLine : public QObject {
  Q_OBJECT

 private slots:
  void parse_data();
  void parse();
  void programs_data();
  void programs();
  void startupFileOpens();
  void startupFileRefused_data();
  void startupFileRefused();
#ifdef Q_OS_UNIX
  void settingsFileThatIsAPipe();
#endif

 private:
  QTemporaryDir dir_;
};

void TestCommandLine::parse_data() {
  QTest::addColumn<QStringList>("arguments");
  QTest::addColumn<CommandLine::Request>("request");
  QTest::addColumn<QString>("file");
  QTest::addColumn<QString>("error");

  using R = CommandLine::Request;
  const QString cwd = QDir::currentPath();
  QTest::newRow("nothing") << QStringList{} << R::Run << QString() << QString();
  const QString absolute = QDir::rootPath() + QStringLiteral("tmp/a.rquorex");
  QTest::newRow("absolute file") << QStringList{absolute} << R::Run << absolute << QString();
  QTest::newRow("relative file") << QStringList{"sub/a.rquorex"} << R::Run
                                 << cwd + QStringLiteral("/sub/a.rquorex") << QString();
  QTest::newRow("file starting with a dash after --")
      << QStringList{"--", "-a.rquorex"} << R::Run << cwd + QStringLiteral("/-a.rquorex")
      << QString();
  QTest::newRow("--help") << QStringList{"--help"} << R::Help << QString() << QString();
  QTest::newRow("-h") << QStringList{"-h"} << R::Help << QString() << QString();
  QTest::newRow("--help-all") << QStringList{"--help-all"} << R::Help << QString() << QString();
  QTest::newRow("--version") << QStringList{"--version"} << R::Version << QString() << QString();
  QTest::newRow("-v") << QStringList{"-v"} << R::Version << QString() << QString();
  QTest::newRow("version among Qt's options")
      << QStringList{"-platform", "offscreen", "--version"} << R::Version << QString()
      << QString();
  QTest::newRow("help beside a file") << QStringList{"a.rquorex", "--help"} << R::Help
                                      << QString() << QString();
  // Read as single letters, -reverse would hold a -v.
  QTest::newRow("Qt word option is no -v") << QStringList{"-reverse"} << R::Error << QString()
                                           << QStringLiteral("reverse");
  QTest::newRow("unknown option") << QStringList{"--bogus", "a.rquorex"} << R::Error
                                  << QString() << QStringLiteral("bogus");
  QTest::newRow("two files") << QStringList{"a.rquorex", "b.rquorex"} << R::Error << QString()
                             << QStringLiteral("höchstens eine Registerdatei");
  QTest::newRow("empty name") << QStringList{""} << R::Error << QString()
                              << QStringLiteral("leer");
  QTest::newRow("port and a file") << QStringList{"--port", "/dev/pts/3", absolute} << R::Run
                                   << absolute << QString();
  QTest::newRow("empty port") << QStringList{"-p", " "} << R::Error << QString()
                              << QStringLiteral("Ports ist leer");
}

void TestCommandLine::parse() {
  QFETCH(QStringList, arguments);
  QFETCH(CommandLine::Request, request);
  QFETCH(QString, file);
  QFETCH(QString, error);
  CommandLine commandLine;
  QCOMPARE(commandLine.Parse(QStringList{QStringLiteral("quorex")} + arguments), request);
  QCOMPARE(commandLine.FilePath(), file);
  const qsizetype port = arguments.indexOf(QStringLiteral("--port"));
  QCOMPARE(commandLine.Port(), port >= 0 ? arguments.at(port + 1) : QString());
  if (error.isEmpty())
    QVERIFY2(commandLine.ErrorText().isEmpty(), qPrintable(commandLine.ErrorText()));
  else
    QVERIFY2(commandLine.ErrorText().contains(error), qPrintable(commandLine.ErrorText()));
}

void TestCommandLine::programs_data() {
  QTest::addColumn<QString>("program");
  QTest::addColumn<QStringList>("arguments");
  // Empty: no display at all, and a platform that does not exist, so that any attempt to
  // open a window ends the process with an error.
  QTest::addColumn<QString>("platform");
  QTest::addColumn<int>("exitCode");
  QTest::addColumn<QString>("out");  // whole of stdout; or, starting with "~", a part of it
  QTest::addColumn<QString>("err");  // a part of stderr

  const QString quorex = QStringLiteral(QUOREX_PROGRAM);
  const QString versionLine =
      QStringLiteral("quorex %1\n").arg(Version()) + QString::fromUtf8(kQuorexLicenceNotice);
  QTest::newRow("quorex --version") << quorex << QStringList{"--version"} << QString() << 0
                                    << versionLine << QString();
  QTest::newRow("quorex -v") << quorex << QStringList{"-v"} << QString() << 0 << versionLine
                             << QString();
  QTest::newRow("quorex --version beside Qt's options")
      << quorex << QStringList{"-platform", "offscreen", "--version"} << QString() << 0
      << versionLine << QString();
  QTest::newRow("quorex --help") << quorex << QStringList{"--help"} << QString() << 0
                                 << QStringLiteral("~[datei]") << QString();
  QTest::newRow("quorex --help describes the file")
      << quorex << QStringList{"-h"} << QString() << 0
      << QStringLiteral("~Registerdatei (*.rquorex), die beim Start geöffnet wird.") << QString();
#ifndef Q_OS_WIN
  // Named as it is called, not by the path of the build.
  QTest::newRow("quorex --help names the program")
      << quorex << QStringList{"--help"} << QString() << 0
      << QStringLiteral("~Aufruf: quorex [Optionen] [datei]\n") << QString();
#endif
  QTest::newRow("quorex --help-all") << quorex << QStringList{"--help-all"} << QString() << 0
                                     << QStringLiteral("~--version") << QString();
#ifdef QUOREX_SIM_PROGRAM
  // Only where the simulated console can reach another program: on a pseudo-terminal.
  const QString sim = QStringLiteral(QUOREX_SIM_PROGRAM);
  QTest::newRow("quorex-sim --version") << sim << QStringList{"--version"} << QString() << 0
                                        << QStringLiteral("quorex-sim %1\n").arg(Version()) +
                                               QString::fromUtf8(kQuorexLicenceNotice)
                                        << QString();
  QTest::newRow("quorex-sim --help") << sim << QStringList{"--help"} << QString() << 0
                                     << QStringLiteral("~--wire-time") << QString();
#endif
  QTest::newRow("quorex unknown option") << quorex << QStringList{"--bogus"} << QString() << 2
                                         << QString() << QStringLiteral("bogus");
  QTest::newRow("quorex unknown option beside Qt's")
      << quorex << QStringList{"-style", "fusion", "--bogus"} << QString() << 2 << QString()
      << QStringLiteral("bogus");
  QTest::newRow("quorex two files")
      << quorex << QStringList{"a.rquorex", "b.rquorex"} << QStringLiteral("offscreen") << 2
      << QString() << QStringLiteral("quorex: Bitte geben Sie höchstens eine Registerdatei an.\n"
                                     "Aufrufhilfe: quorex --help");
}

void TestCommandLine::programs() {
  QFETCH(QString, program);
  QFETCH(QStringList, arguments);
  QFETCH(QString, platform);
  QFETCH(int, exitCode);
  QFETCH(QString, out);
  QFETCH(QString, err);

  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.remove(QStringLiteral("DISPLAY"));
  env.remove(QStringLiteral("WAYLAND_DISPLAY"));
  env.insert(QStringLiteral("QT_QPA_PLATFORM"),
             platform.isEmpty() ? QStringLiteral("no-such-platform") : platform);
  env.insert(QStringLiteral("LANG"), QStringLiteral("C.UTF-8"));
  QProcess process;
  process.setProcessEnvironment(env);
  process.start(program, arguments);
#ifdef Q_OS_WIN
  // Wine now and then cannot create a process at all ("Internal error"); a second start tells
  // that hiccup of the test bed from a program that cannot start.
  if (process.error() == QProcess::FailedToStart) process.start(program, arguments);
#endif
  QVERIFY2(process.waitForFinished(30000), qPrintable(process.errorString()));
#ifdef Q_OS_WIN
  // Windows: the program prints in the system's code page, lines end in CR LF in text mode;
  // what it can say there is what the test expects.
  const auto decode = [](const QByteArray &bytes) {
    return QString::fromLocal8Bit(bytes).replace(QLatin1String("\r\n"), QLatin1String("\n"));
  };
  out = QString::fromLocal8Bit(out.toLocal8Bit());
  err = QString::fromLocal8Bit(err.toLocal8Bit());
#else
  const auto decode = [](const QByteArray &bytes) { return QString::fromUtf8(bytes); };
#endif
  const QString stdOut = decode(process.readAllStandardOutput());
  const QString stdErr = decode(process.readAllStandardError());
  QCOMPARE(process.exitStatus(), QProcess::NormalExit);
  QVERIFY2(process.exitCode() == exitCode, qPrintable(stdErr));
  if (out.startsWith(QLatin1Char('~')))
    QVERIFY2(stdOut.contains(out.mid(1)), qPrintable(stdOut));
  else
    QCOMPARE(stdOut, out);
  QVERIFY2(stdErr.contains(err), qPrintable(stdErr));
}

void TestCommandLine::startupFileOpens() {
  const QString path = dir_.filePath(QStringLiteral("start.rquorex"));
  WriteFile(path, ValidFile());

  ScriptedDialogs dialogs;
  CQuorexDlg window;
  CQuorexApp::ShowWindow(window, path);
  QTRY_COMPARE(window.Image().Text(0), QStringLiteral("12345678"));
  QVERIFY(dialogs.shown.isEmpty());
  QCOMPARE(dialogs.openDialogs, 0);
  QCOMPARE(window.Image().FilePath(), path);
  QVERIFY(!window.Image().IsModified());
  QVERIFY(window.findChild<QPushButton *>(QStringLiteral("sendenButton"))->isEnabled());
  QVERIFY(window.findChild<QTreeWidget *>(QStringLiteral("configTree"))->isEnabled());
}

void TestCommandLine::startupFileRefused_data() {
  QTest::addColumn<QByteArray>("content");  // empty: no such file
  QTest::addColumn<QString>("reason");
  QTest::newRow("short line") << ValidFile().replace(0, 8, "1234567") << QStringLiteral("Zeile 1 ");
  QTest::newRow("too few lines") << ValidFile().left(100) << QStringLiteral("vor Zeile 11,");
  QTest::newRow("missing file") << QByteArray() << QStringLiteral("konnte nicht geöffnet werden");
}

// Refused as "Öffnen ..." refuses it, word for word, over the window, and nothing changes.
void TestCommandLine::startupFileRefused() {
  QFETCH(QByteArray, content);
  QFETCH(QString, reason);
  const QString path = dir_.filePath(QStringLiteral("refused.rquorex"));
  QFile::remove(path);
  if (!content.isEmpty()) WriteFile(path, content);

  QString viaMenu;
  {
    ScriptedDialogs dialogs;
    CQuorexDlg window;
    dialogs.openNames << path;
    QVERIFY(!window.Open());
    QCOMPARE(dialogs.shown.size(), 1);
    viaMenu = dialogs.Last().text;
  }

  WatchingDialogs dialogs;
  CQuorexDlg window;
  dialogs.window = &window;
  CQuorexApp::ShowWindow(window, path);
  QTRY_COMPARE(dialogs.shown.size(), 1);
  QVERIFY(dialogs.windowVisible.constFirst());
  QVERIFY2(dialogs.Last().text.contains(reason), qPrintable(dialogs.Last().text));
  QCOMPARE(dialogs.Last().text, viaMenu);
  QCOMPARE(dialogs.Last().caption, QStringLiteral("Fehler"));
  QCOMPARE(dialogs.Last().icon, QMessageBox::Critical);
  QCOMPARE(dialogs.Last().buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
  QCOMPARE(window.Image().Text(0), QStringLiteral("00000000"));
  QVERIFY(window.Image().FilePath().isEmpty());
  QVERIFY(!window.findChild<QPushButton *>(QStringLiteral("sendenButton"))->isEnabled());
  QVERIFY(!window.findChild<QTreeWidget *>(QStringLiteral("configTree"))->isEnabled());
}

#ifdef Q_OS_UNIX
// QSettings would wait for a writer on the pipe for ever, before the window ever showed.
void TestCommandLine::settingsFileThatIsAPipe() {
  QTemporaryDir config;
  QTemporaryDir spare;
  const QByteArray oldConfig = qgetenv("XDG_CONFIG_HOME");
  const QString oldOrganization = QCoreApplication::organizationName();
  qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
  QCoreApplication::setOrganizationName(QStringLiteral("quorex"));
  const QString pipe = config.filePath(QStringLiteral("quorex/%1.conf")
                                           .arg(QCoreApplication::applicationName()));
  QVERIFY(QDir().mkpath(QFileInfo(pipe).path()));
  QCOMPARE(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);

  QCOMPARE(Preferences::OddSettingsFile(), pipe);
  Preferences::KeepSettingsIn(spare.path());
  QVERIFY(QSettings().fileName().startsWith(spare.path()));
  {
    ScriptedDialogs dialogs;
    CQuorexDlg window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY(dialogs.shown.isEmpty());
  }
  QVERIFY(QFileInfo(pipe).exists() && !QFileInfo(pipe).isFile());
  QCoreApplication::setOrganizationName(oldOrganization);
  qputenv("XDG_CONFIG_HOME", oldConfig);
}
#endif

QTEST_MAIN(TestCommandLine)
#include "tst_commandline.moc"
