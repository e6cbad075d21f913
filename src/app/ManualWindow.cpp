// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ManualWindow.h"

#include "ui_ManualWindow.h"

#include <QFile>
#include <QMenuBar>

ManualWindow::ManualWindow(QWidget *parent)
    : QDialog(parent), ui_(std::make_unique<Ui::ManualWindow>()) {
  ui_->setupUi(this);
  setWindowFlag(Qt::WindowMaximizeButtonHint);
  ui_->manualBrowser->setMarkdown(Text());
  connect(ui_->closeButton, &QPushButton::clicked, this, &QDialog::close);
  ui_->manualBrowser->setFocus();
}

ManualWindow::~ManualWindow() = default;

QString ManualWindow::Text() {
  QFile file(QStringLiteral(":/Handbuch.md"));
  if (!file.open(QIODevice::ReadOnly)) return QString();
  QString text = QString::fromUtf8(file.readAll());
  // The licence comment above the first heading is for the repository, not for the reader.
  const int heading = text.indexOf(QLatin1Char('#'));
  return heading > 0 ? text.mid(heading) : text;
}

ManualWindow *ManualWindow::Show(QWidget *owner) {
  auto *manual = owner->findChild<ManualWindow *>(QString(), Qt::FindDirectChildrenOnly);
  if (!manual) {
    manual = new ManualWindow(owner);
    manual->setAttribute(Qt::WA_DeleteOnClose);
  }
  manual->show();
  manual->raise();
  manual->activateWindow();
  return manual;
}

void ManualWindow::AddMenu(QMenuBar &bar, QWidget &owner) {
  QMenu *hilfe = bar.addMenu(tr("&Hilfe"));
  hilfe->setObjectName(QStringLiteral("hilfeMenu"));
  hilfe->addAction(tr("&Handbuch"), &owner, [&owner] { Show(&owner); })
      ->setObjectName(QStringLiteral("handbuchAction"));
}
