// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#include "CommandLine.h"

#include "QuorexVersion.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <cstdio>
#include <cstdlib>

CommandLine::CommandLine()
    : helpOption_(parser_.addHelpOption()),
      versionOption_(parser_.addVersionOption()),
      portOption_(QStringList{QStringLiteral("p"), QStringLiteral("port")},
                  tr("Serieller Port des Quorex, mit dem das Programm startet, z. B. "
                     "/dev/ttyUSB0 oder COM1."),
                  tr("port")) {
  parser_.addOption(portOption_);
  parser_.setApplicationDescription(tr("Programmiersoftware für die Funk-Bedienkonsole Quorex."));
  parser_.addPositionalArgument(tr("datei"),
                                tr("Registerdatei (*.rquorex), die beim Start geöffnet wird."),
                                tr("[datei]"));
  // "-platform", "-style" and the other options of Qt's own stay whole words, so that none
  // reads as a row of one-letter options such as -v.
  parser_.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
}

CommandLine::Request CommandLine::Parse(const QStringList &arguments) {
  filePath_.clear();
  port_.clear();
  errorText_.clear();
  const bool parsed = parser_.parse(arguments);
  // Asked for help or the version, the answer is that, whatever else is on the line.
  // --help-all, which Qt adds, would list Qt's window system options too; those are known
  // only once there is a window system, so it answers as --help does.
  if (parser_.isSet(helpOption_) || parser_.isSet(QStringLiteral("help-all"))) return Request::Help;
  if (parser_.isSet(versionOption_)) return Request::Version;
  if (!parsed) {
    errorText_ = parser_.errorText();
    return Request::Error;
  }
  port_ = parser_.value(portOption_).trimmed();
  if (parser_.isSet(portOption_) && port_.isEmpty()) {
    errorText_ = tr("Der Name des Ports ist leer.");
    return Request::Error;
  }
  const QStringList files = parser_.positionalArguments();
  if (files.size() > 1) {
    errorText_ = tr("Bitte geben Sie höchstens eine Registerdatei an.");
    return Request::Error;
  }
  if (files.isEmpty()) return Request::Run;
  // An empty name would otherwise stand for the current folder.
  if (files.constFirst().isEmpty()) {
    errorText_ = tr("Der Name der Registerdatei ist leer.");
    return Request::Error;
  }
  filePath_ = QFileInfo(files.constFirst()).absoluteFilePath();
  return Request::Run;
}

bool CommandLine::MayBeQtOption() const {
  // The options QGuiApplication and QApplication take from the line, and those of the X11
  // platform; each may also be written with two dashes.
  static const QStringList kQtOptions{
      "platform", "platformpluginpath", "platformtheme", "plugin",   "qmljsdebugger",
      "qwindowgeometry", "geometry", "qwindowtitle", "title",        "qwindowicon",
      "icon",     "reverse",  "session",  "style",       "stylesheet", "widgetcount",
      "display",  "name",     "visual",   "ncols",       "cmap",       "nograb",
      "dograb",   "sync",     "testability"};
  // Without an unknown option the error may still be a Qt option's value taken for a file.
  const QStringList unknown = parser_.unknownOptionNames();
  for (const QString &name : unknown)
    if (!kQtOptions.contains(name)) return false;
  return true;
}

// Qt names the program by the path it was started with ("build/src/quorex").
QString CommandLine::HelpText() const {
  QString text = parser_.helpText();
  const QString path = QCoreApplication::arguments().value(0);
  const int at = path.isEmpty() ? -1 : text.indexOf(path);
  if (at >= 0 && at < text.indexOf(QLatin1Char('\n')))
    text.replace(at, path.size(), QCoreApplication::applicationName());
  return text;
}

void CommandLine::ShowHelp() {
#ifdef Q_OS_WIN
  // A Windows program without a console shows it in a box, as Qt does.
  parser_.showHelp(0);
#else
  std::fputs(qPrintable(HelpText()), stdout);
  std::fflush(stdout);
  std::exit(EXIT_SUCCESS);
#endif
}

void CommandLine::ShowVersion() {
  // Qt's own answer has no room for the licence lines; this one ends the program the same way.
  const QString text = QStringLiteral("%1 %2\n").arg(QCoreApplication::applicationName(),
                                                    QCoreApplication::applicationVersion()) +
                       QString::fromUtf8(kQuorexLicenceNotice);
  std::fputs(qPrintable(text), stdout);
  std::fflush(stdout);
  std::exit(EXIT_SUCCESS);
}
