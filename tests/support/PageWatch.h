// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QStringList>
#include <QTimer>
#include <QtTest>

// While it lives, notes the class of every dialog window that opens other than `except` (the
// main window) and closes it with Escape once it is up, as a technician glancing at a page
// would.
class PageWatch : public QObject {
 public:
  explicit PageWatch(const QWidget *except) : except_(except) { qApp->installEventFilter(this); }
  ~PageWatch() override { qApp->removeEventFilter(this); }

  QStringList opened;

 protected:
  bool eventFilter(QObject *object, QEvent *event) override {
    auto *page = qobject_cast<QDialog *>(object);
    if (event->type() == QEvent::Show && page && page->isWindow() && page != except_) {
      opened << QString::fromLatin1(page->metaObject()->className());
      QTimer::singleShot(0, page, [page] { QTest::keyClick(page, Qt::Key_Escape); });
    }
    return false;
  }

 private:
  const QWidget *except_;
};
