// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLabel>
#include <QString>

// One line under the progress bar that says how the last thing done ended. The text is
// plain (a console's or a file's text is never HTML) and, where the window is too narrow,
// elided in the middle; the tooltip and the accessible name always hold all of it.
class StatusLine : public QLabel {
  Q_OBJECT

 public:
  explicit StatusLine(QWidget *parent = nullptr);

  void SetStatus(const QString &text);
  QString Status() const { return status_; }

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 protected:
  void resizeEvent(QResizeEvent *event) override;

 private:
  void Elide();

  QString status_;
};
