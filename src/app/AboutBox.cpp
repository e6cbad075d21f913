// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#include "AboutBox.h"

#include "QuorexVersion.h"
#include "ui_AboutBox.h"

AboutBox::AboutBox(QWidget *parent) : QDialog(parent), ui_(std::make_unique<Ui::AboutBox>()) {
  ui_->setupUi(this);
  ui_->nameLabel->setText(ui_->nameLabel->text().arg(QString::fromLatin1(kQuorexVersion)));
  ui_->iconLabel->setPixmap(QIcon(QStringLiteral(":/quorex.png")).pixmap(32, 32));
  connect(ui_->okButton, &QPushButton::clicked, this, &QDialog::accept);
}

AboutBox::~AboutBox() = default;
