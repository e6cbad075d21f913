// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>

// Says when the system's serial ports may have changed: an adapter plugged in or pulled. Each
// system tells it its own way (the device layer has one watch per way); the port field only
// listens, so that it needs no device code and a test can stand in for the system.
class PortWatch : public QObject {
  Q_OBJECT

 public:
  using QObject::QObject;

  // Whether the window has the user's attention. A watch that has to look for itself looks only
  // while it has; one the system tells does not care.
  virtual void SetActive(bool active) { Q_UNUSED(active); }

 signals:
  // Something may have changed; listing the ports again tells what. Several in a row may
  // stand for one adapter.
  void Changed();
};
