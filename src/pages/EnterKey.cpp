#include "EnterKey.h"

#include <QDialog>
#include <QKeyEvent>
#include <QPushButton>

bool HandleEnterKey(QDialog &dialog, QKeyEvent *event) {
  if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter) return false;
  if (auto *button = qobject_cast<QPushButton *>(dialog.focusWidget())) {
    if (button->isEnabled()) button->click();
  } else {
    dialog.accept();
  }
  event->accept();
  return true;
}
