#include "DialogHelpers.h"

#include <QDialog>
#include <QKeyEvent>
#include <QPushButton>

namespace {
// Room for the window menu and the close button of a typical title bar.
constexpr int kTitleBarButtons = 120;
}  // namespace

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

int TitleWidth(const QDialog &dialog) {
  QFont font = dialog.font();
  font.setBold(true);  // title bars mostly draw their text bold
  return QFontMetrics(font).horizontalAdvance(dialog.windowTitle()) + kTitleBarButtons;
}

void KeepTitleVisible(QDialog &dialog) {
  dialog.setMinimumWidth(qMax(dialog.minimumWidth(), TitleWidth(dialog)));
}
