// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLabel>
#include <QString>

// A line under the progress bar that says how the last thing done ended. The text is plain (a
// console's or a file's text is never HTML). Where the window is too narrow it wraps onto as
// many lines as it was given and is cut only in the middle of the last of them; the tooltip
// and the accessible name always hold all of it.
class StatusLine : public QLabel {
  Q_OBJECT

 public:
  explicit StatusLine(QWidget *parent = nullptr);

  void SetStatus(const QString &text);
  QString Status() const { return status_; }
  // How many lines the text may take; the height stays that of `lines` lines.
  void SetLines(int lines);

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 protected:
  void changeEvent(QEvent *event) override;
  void resizeEvent(QResizeEvent *event) override;
  void showEvent(QShowEvent *event) override;

 private:
  void Elide();
  QString Wrapped(int room) const;

  QString status_;
  int lines_ = 1;
  mutable int textWidth_ = -1;  // of the whole text in one line; -1: not measured yet
};
