// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "CQuorexDlg.h"
#include "ConsoleJournal.h"
#include "ConsoleScripts.h"
#include "Register.h"
#include "RegisterFixtures.h"
#include "ScriptedDialogs.h"
#include "SimulatedConsole.h"
#include "StatusLine.h"

#include <QAction>
#include <QComboBox>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTreeWidget>

#include <initializer_list>

// Puts the window's console buttons and tree where `states` says ("Senden", "Lesen", "Version",
// "Werkeinstellungen", tree: 1 usable), through the controller that holds them, as a test's
// starting point.
inline void StartFrom(CQuorexDlg &window, const QString &states) {
  const auto on = [&states](int i) { return states.at(i) == QLatin1Char('1'); };
  window.Controller().SetStates({on(0), on(1), on(2), on(3), on(4)});
}

// The main window against a simulated console, its dialogs scripted, with a folder of its own
// for files. Shared by the window, transfer and Extras tests; the settings a window remembers
// are the test's to keep away (TemporarySettings), since some tests need them across windows.
struct WindowBench {
  QTemporaryDir dir;
  ScriptedDialogs dialogs;
  SimulatedConsole console;
  CQuorexDlg window;
  QPushButton *senden = nullptr;
  QPushButton *lesen = nullptr;
  QPushButton *version = nullptr;
  QPushButton *werkeinstellungen = nullptr;
  QTreeWidget *tree = nullptr;
  QComboBox *port = nullptr;
  QProgressBar *progress = nullptr;
  // The highest the bar went since the last Filled(), and its text when it stood at 57.
  int peak = 0;
  QString textAt57;

  // QtTest's test mode sends the data folder to ~/.qttest whatever XDG_DATA_HOME says.
  WindowBench() { window.SetDataFolder(Path(QStringLiteral("daten"))); }

  // Starts the console, shows the window and points its port at the console.
  bool Setup(const Timing &timing = Fast()) {
    senden = window.findChild<QPushButton *>(QStringLiteral("sendenButton"));
    lesen = window.findChild<QPushButton *>(QStringLiteral("lesenButton"));
    version = window.findChild<QPushButton *>(QStringLiteral("versionButton"));
    werkeinstellungen = window.findChild<QPushButton *>(QStringLiteral("werkeinstellungenButton"));
    tree = window.findChild<QTreeWidget *>(QStringLiteral("configTree"));
    port = window.findChild<QComboBox *>(QStringLiteral("portComboBox"));
    progress = window.findChild<QProgressBar *>(QStringLiteral("progressBar"));
    if (!senden || !lesen || !version || !werkeinstellungen || !tree || !port || !progress)
      return false;
    if (!dir.isValid() || !console.Start()) return false;
    QObject::connect(progress, &QProgressBar::valueChanged, progress, [this](int value) {
      if (value == 57) textAt57 = progress->text();
      peak = qMax(peak, value);
    });
    window.SetTiming(timing);
    window.Controller().SetLineSource(LinesOf(console));
    window.show();
    port->setEditText(console.DevicePath());
    return true;
  }

  QString Path(const QString &name) const { return dir.filePath(name); }
  ConsoleJournal Journal() const {
    return ConsoleJournal(QStringLiteral("quorex"), Path(QStringLiteral("daten")));
  }

  // Loads texts as "Datei" -> "Öffnen ..." does: "Senden" and the tree become usable.
  bool Load(const QStringList &texts) {
    const QString path = Path(QStringLiteral("programm.rquorex"));
    Register file;
    file.SetFilePath(path);
    if (!file.SetAllTexts(texts) || !file.SaveToFile()) return false;
    dialogs.openNames << path;
    return window.Open();
  }

  void StartFrom(const QString &states) { ::StartFrom(window, states); }

  // Senden, Lesen, Version, Werkeinstellungen, tree: 1 enabled, 0 disabled.
  QString States() const {
    QString states;
    for (const QWidget *w : std::initializer_list<const QWidget *>{senden, lesen, version,
                                                                  werkeinstellungen, tree})
      states += w->isEnabled() ? QLatin1Char('1') : QLatin1Char('0');
    return states;
  }

  bool PortOpen() const { return window.Session().IsPortOpen(); }

  // The highest the bar went since the last call, or -1 unless the bar is empty again.
  int Filled() {
    const int filled = peak;
    peak = 0;
    return progress->value() == progress->minimum() && !progress->isTextVisible() ? filled : -1;
  }

  QString Status() const {
    return window.findChild<StatusLine *>(QStringLiteral("statusLine"))->Status();
  }

  QAction *Action(const char *name) const {
    return window.findChild<QAction *>(QString::fromLatin1(name));
  }
};
