// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#include "DeviceChangeWatch.h"

#include <QCoreApplication>

#include <windows.h>

#include <dbt.h>

DeviceChangeWatch::DeviceChangeWatch(QObject *parent) : PortWatch(parent) {
  // Without an application there are no windows, and no messages.
  if (QCoreApplication *app = QCoreApplication::instance()) app->installNativeEventFilter(this);
}

DeviceChangeWatch::~DeviceChangeWatch() {
  if (QCoreApplication::instance()) QCoreApplication::instance()->removeNativeEventFilter(this);
}

bool DeviceChangeWatch::nativeEventFilter(const QByteArray &eventType, void *message,
                                          qintptr *result) {
  Q_UNUSED(result);
  if (eventType != "windows_generic_MSG" && eventType != "windows_dispatcher_MSG") return false;
  const MSG *msg = static_cast<const MSG *>(message);
  if (msg->message == WM_DEVICECHANGE &&
      (msg->wParam == DBT_DEVICEARRIVAL || msg->wParam == DBT_DEVICEREMOVECOMPLETE ||
       msg->wParam == DBT_DEVNODES_CHANGED))
    emit Changed();
  // Others may want the message too.
  return false;
}
