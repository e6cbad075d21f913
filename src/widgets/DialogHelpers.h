// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QRect>

#include <functional>

class QAbstractButton;
class QDialog;
class QKeyEvent;
class QWidget;

// Whether `focus` is a field that Enter confirms (a line edit, an editable combo box), so that
// Enter there belongs to the field and not to the window.
bool TakesEnter(const QWidget *focus);

// Enter as a dialog without a visible default button takes it: on a focused push button it
// presses that button, anywhere else it accepts the dialog. Answers whether the key was Enter
// (and so has been handled).
bool HandleEnterKey(QDialog &dialog, QKeyEvent *event);

// Makes the dialog at least as wide as its title needs, so the title bar shows it whole
// rather than cut in the middle.
void KeepTitleVisible(QDialog &dialog);

// The width a window needs to show `title` whole in its title bar, with room for the title
// bar's buttons.
int TitleWidth(const QDialog &dialog);

// F1 (and the platform's own help key) presses `help` while `dialog` is the active window.
void AddHelpKey(QDialog &dialog, QAbstractButton *help);

// A window's frame moved and, where it must be, shrunk so that it lies within `available`;
// never below `minimum` (the frame's smallest size), where the top left corner wins so that
// the title bar stays reachable.
QRect FittedFrame(const QRect &frame, const QRect &available, const QSize &minimum = QSize());

// Keeps the window within the screen it stands on: now, and whenever it moves to another
// screen or its screen changes size or scale.
void KeepOnScreen(QWidget &window);

// How long work put off until a window's first paint waits after that paint: the window system
// shows the picture only once the program has handed it over and left it the processor for a
// moment. Long enough for a frame, too short for anyone to notice.
constexpr int kAfterFirstPaintMs = 50;

// Runs `then` once, kAfterFirstPaintMs after the first paint of `widget`: for what the window
// needs soon but not for being seen, so that it does not hold up the first sight of it.
void AfterFirstPaint(QWidget &widget, std::function<void()> then);
