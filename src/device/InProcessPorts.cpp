// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#include "InProcessPorts.h"

#include <QHash>
#include <QIODevice>
#include <QPointer>

namespace {
QHash<QString, QPointer<QIODevice>> &Lines() {
  static QHash<QString, QPointer<QIODevice>> lines;
  return lines;
}
}  // namespace

void InProcessPorts::Add(const QString &name, QIODevice *device) { Lines().insert(name, device); }

void InProcessPorts::Remove(const QString &name) { Lines().remove(name); }

QIODevice *InProcessPorts::Find(const QString &name) { return Lines().value(name).data(); }
