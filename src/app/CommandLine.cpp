// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#include "CommandLine.h"

#include "QuorexVersion.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <cstdio>
#include <cstdlib>

CommandLine::CommandLine()
    : helpOption_(parser_.addHelpOption()), versionOption_(parser_.addVersionOption()) {
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

void CommandLine::ShowHelp() { parser_.showHelp(0); }

void CommandLine::ShowVersion() {
  // Qt's own answer has no room for the licence lines; this one ends the program the same way.
  const QString text = QStringLiteral("%1 %2\n").arg(QCoreApplication::applicationName(),
                                                    QCoreApplication::applicationVersion()) +
                       QString::fromUtf8(kQuorexLicenceNotice);
  std::fputs(qPrintable(text), stdout);
  std::fflush(stdout);
  std::exit(EXIT_SUCCESS);
}
