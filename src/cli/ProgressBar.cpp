// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ProgressBar.h"

#include "Register.h"

#include <cstdio>

#ifdef Q_OS_WIN
#include <io.h>
#else
#include <unistd.h>
#endif

namespace {
constexpr int kBarWidth = 40;
}  // namespace

bool ProgressBar::StderrIsTerminal() {
#ifdef Q_OS_WIN
  return _isatty(_fileno(stderr)) != 0;
#else
  return isatty(fileno(stderr)) != 0;
#endif
}

void ProgressBar::Show(int done) {
  if (!enabled_) return;
  const int total = Register::kRegisterCount;
  done = qBound(0, done, total);
  const int filled = done * kBarWidth / total;
  const QString bar =
      QString(filled, QLatin1Char('#')) + QString(kBarWidth - filled, QLatin1Char('.'));
  std::fprintf(stderr, "\r[%s] %s", qUtf8Printable(bar),
               qUtf8Printable(tr("Register %1/%2").arg(done).arg(total)));
  lineOpen_ = done < total;
  if (!lineOpen_) std::fputc('\n', stderr);
  std::fflush(stderr);
}

void ProgressBar::Note(const QString &text) {
  if (!enabled_) return;
  Break();
  std::fprintf(stderr, "%s\n", qUtf8Printable(text));
  std::fflush(stderr);
}

void ProgressBar::Break() {
  if (!lineOpen_) return;
  std::fputc('\n', stderr);
  std::fflush(stderr);
  lineOpen_ = false;
}
