// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#include "StatusLine.h"

#include <QResizeEvent>

StatusLine::StatusLine(QWidget *parent) : QLabel(parent) {
  setTextFormat(Qt::PlainText);
  setTextInteractionFlags(Qt::TextSelectableByMouse);
  setFocusPolicy(Qt::NoFocus);
  setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
}

void StatusLine::SetStatus(const QString &text) {
  // A console's message may run over several lines; here it is one.
  status_ = text.simplified();
  setToolTip(status_);
  setAccessibleName(status_);
  Elide();
}

// One line high, empty or not, so the window does not jump when the first status comes. The
// width never asks for more than a character: the window's width decides.
QSize StatusLine::sizeHint() const {
  const QMargins margins = contentsMargins();
  return QSize(fontMetrics().horizontalAdvance(status_),
               fontMetrics().height() + margins.top() + margins.bottom());
}

QSize StatusLine::minimumSizeHint() const {
  return QSize(fontMetrics().averageCharWidth(), sizeHint().height());
}

void StatusLine::resizeEvent(QResizeEvent *event) {
  QLabel::resizeEvent(event);
  Elide();
}

void StatusLine::Elide() {
  const int room = contentsRect().width();
  setText(room > 0 ? fontMetrics().elidedText(status_, Qt::ElideMiddle, room) : status_);
}
