#pragma once

class QDialog;
class QKeyEvent;

// Enter as a dialog without a visible default button takes it: on a focused push button it
// presses that button, anywhere else it accepts the dialog. Answers whether the key was Enter
// (and so has been handled).
bool HandleEnterKey(QDialog &dialog, QKeyEvent *event);
