// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ModalHelper.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <memory>

std::shared_ptr<bool> OnNextModal(std::function<void(QDialog *)> act, int timeoutMs) {
  auto done = std::make_shared<bool>(false);
  auto *timer = new QTimer(qApp);
  auto clock = std::make_shared<QElapsedTimer>();
  clock->start();
  QWidget *before = QApplication::activeModalWidget();
  QObject::connect(timer, &QTimer::timeout, timer, [=] {
    auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
    if (dialog && dialog != before && dialog->isVisible()) {
      timer->stop();
      timer->deleteLater();
      *done = true;
      act(dialog);
    } else if (clock->elapsed() > timeoutMs) {
      timer->stop();
      timer->deleteLater();
    }
  });
  timer->start(10);
  return done;
}
