// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <functional>

#include "Invocation.h"
#include "SettingsCatalog.h"

// get, set, export and import: settings of a register file by their stable ids, read and
// changed through the same codecs as the configuration pages. No console is involved.
class SettingsCommands {
  Q_DECLARE_TR_FUNCTIONS(SettingsCommands)

 public:
  // Where results and messages go, as the other commands send theirs: `write` to stdout or
  // the output file, answering an exit status; `error` a failure with its details; `note` what
  // --verbose tells; `confirm` a success message.
  struct Output {
    std::function<int(const QByteArray &)> write;
    std::function<void(const QString &message, const QString &details)> error;
    std::function<void(const QString &)> note;
    std::function<void(const QString &)> confirm;
  };

  SettingsCommands(const Invocation &invocation, Output output);

  int Get();
  int Set();
  int Export();
  int Import();

  // How apply lays the text over what the console holds (ConsoleController::Compose).
  using Compose = std::function<bool(const QStringList &console, QStringList *texts,
                                     QString *summary)>;
  // apply's text, judged before the console is touched: a refused text sends nothing, and the
  // exit status says why. Else *compose lays it over the console's registers, and *changed
  // then holds the ids of the settings it changed.
  int JudgeApply(Compose *compose, QStringList *changed) const;

 private:
  bool LoadFile(const QString &path, QStringList *texts);
  // The settings whose id matches one of the patterns (all for none), in catalog order; false
  // after saying which pattern matched nothing.
  bool Select(const QStringList &patterns, std::vector<const SettingsCatalog::Setting *> *selected);
  int Save(const QString &path, const QStringList &texts);

  const Invocation invocation_;
  const Output output_;
  const SettingsCatalog catalog_;
};
