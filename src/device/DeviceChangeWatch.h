// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "PortWatch.h"

#include <QAbstractNativeEventFilter>

// Windows: WM_DEVICECHANGE, which the system sends to every top-level window when a device
// arrives or goes (a COM port among them), taken from the application's native events. Nothing
// happens between two messages.
class DeviceChangeWatch : public PortWatch, public QAbstractNativeEventFilter {
  Q_OBJECT

 public:
  explicit DeviceChangeWatch(QObject *parent = nullptr);
  ~DeviceChangeWatch() override;

  bool nativeEventFilter(const QByteArray &eventType, void *message, qintptr *result) override;
};
