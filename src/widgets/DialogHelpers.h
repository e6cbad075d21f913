#pragma once

class QDialog;
class QKeyEvent;

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
