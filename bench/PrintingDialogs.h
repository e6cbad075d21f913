// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "DialogSeam.h"

#include <cstdio>

// Message boxes would wait for a hand that is not there: the benchmarks print them, count them
// and go on; every file question is answered with nothing.
class PrintingDialogs : public DialogSeam {
 public:
  PrintingDialogs() { DialogSeam::Install(this); }
  ~PrintingDialogs() override { DialogSeam::Install(nullptr); }
  QMessageBox::StandardButton ShowMessage(QWidget *, const QString &text, const QString &caption,
                                          QMessageBox::Icon, QMessageBox::StandardButtons,
                                          const QString &, QMessageBox::StandardButton) override {
    std::fprintf(stderr, "[%s] %s\n", qPrintable(caption), qPrintable(text));
    ++messages;
    return QMessageBox::Ok;
  }
  QString AskOpenFileName(QWidget *) override { return QString(); }
  QString AskSettingsFileName(QWidget *) override { return QString(); }
  QString AskSaveFileName(QWidget *, const QString &) override { return QString(); }
  QString AskReportFileName(QWidget *, QString *) override { return QString(); }
  QString AskCsvFileName(QWidget *) override { return QString(); }
  bool AskPrinter(QWidget *, QPrinter &) override { return false; }
  int messages = 0;
};
