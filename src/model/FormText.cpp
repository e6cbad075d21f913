// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FormText.h"

#include <QCoreApplication>

QString FormText::Tr() const {
  return source ? QCoreApplication::translate(context, source) : QString();
}
