// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#include "StatusLine.h"

#include <QResizeEvent>
#include <QTextLayout>

StatusLine::StatusLine(QWidget *parent) : QLabel(parent) {
  setTextFormat(Qt::PlainText);
  setTextInteractionFlags(Qt::TextSelectableByMouse);
  setFocusPolicy(Qt::NoFocus);
  setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
  setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void StatusLine::SetStatus(const QString &text) {
  // A console's message may run over several lines; here it is one.
  status_ = text.simplified();
  textWidth_ = -1;
  setToolTip(status_);
  setAccessibleName(status_);
  Elide();
}

void StatusLine::SetLines(int lines) {
  lines_ = qMax(1, lines);
  updateGeometry();
  Elide();
}

// As high as its lines, empty or not, so the window does not jump when the first status comes.
// The width never asks for more than a character: the window's width decides.
QSize StatusLine::sizeHint() const {
  const QMargins margins = contentsMargins();
  const QFontMetrics metrics = fontMetrics();
  // Layouts ask often; measuring the text is the costly part.
  if (textWidth_ < 0) textWidth_ = metrics.horizontalAdvance(status_);
  return QSize(textWidth_,
               metrics.height() + (lines_ - 1) * metrics.lineSpacing() + margins.top() +
                   margins.bottom());
}

QSize StatusLine::minimumSizeHint() const {
  return QSize(fontMetrics().averageCharWidth(), sizeHint().height());
}

void StatusLine::changeEvent(QEvent *event) {
  QLabel::changeEvent(event);
  if (event->type() == QEvent::FontChange) textWidth_ = -1;
}

void StatusLine::resizeEvent(QResizeEvent *event) {
  QLabel::resizeEvent(event);
  Elide();
}

void StatusLine::showEvent(QShowEvent *event) {
  QLabel::showEvent(event);
  Elide();
}

// Hidden, the line has no width of its own yet: it is fitted once it shows.
void StatusLine::Elide() {
  const int room = contentsRect().width();
  if (room <= 0 || !isVisible()) return setText(status_);
  if (lines_ == 1) return setText(fontMetrics().elidedText(status_, Qt::ElideMiddle, room));
  setText(Wrapped(room));
}

// Broken where the words allow; what does not fit the last line is cut in its middle, so that
// its end (mostly the time) stays.
QString StatusLine::Wrapped(int room) const {
  QTextLayout layout(status_, font());
  QTextOption option;
  option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  layout.setTextOption(option);
  QStringList lines;
  layout.beginLayout();
  for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
    line.setLineWidth(room);
    if (lines.size() == lines_ - 1) {
      lines << fontMetrics().elidedText(status_.mid(line.textStart()), Qt::ElideMiddle, room);
      break;
    }
    // The blank at a break stays at the line's end, where it shows nothing.
    lines << status_.mid(line.textStart(), line.textLength());
  }
  layout.endLayout();
  return lines.join(QLatin1Char('\n'));
}
