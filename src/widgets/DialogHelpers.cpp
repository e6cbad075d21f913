// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#include "DialogHelpers.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDialog>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QStyle>
#include <QTimer>
#include <QWindow>

#include <utility>

namespace {
// Room for the window menu and the close button of a typical title bar.
constexpr int kTitleBarButtons = 120;
}  // namespace

bool TakesEnter(const QWidget *focus) {
  const auto *combo = qobject_cast<const QComboBox *>(focus);
  return qobject_cast<const QLineEdit *>(focus) || (combo && combo->isEditable());
}

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

void AddHelpKey(QDialog &dialog, QAbstractButton *help) {
  auto *shortcut = new QShortcut(&dialog);
  QList<QKeySequence> keys = QKeySequence::keyBindings(QKeySequence::HelpContents);
  if (!keys.contains(QKeySequence(Qt::Key_F1))) keys.prepend(QKeySequence(Qt::Key_F1));
  shortcut->setKeys(keys);
  QObject::connect(shortcut, &QShortcut::activated, help, [help] {
    if (help->isEnabled()) help->click();
  });
}

QRect FittedFrame(const QRect &frame, const QRect &available, const QSize &minimum) {
  QRect fitted = frame;
  fitted.setWidth(qMax(qMin(frame.width(), available.width()), minimum.width()));
  fitted.setHeight(qMax(qMin(frame.height(), available.height()), minimum.height()));
  if (fitted.right() > available.right()) fitted.moveRight(available.right());
  if (fitted.bottom() > available.bottom()) fitted.moveBottom(available.bottom());
  if (fitted.left() < available.left()) fitted.moveLeft(available.left());
  if (fitted.top() < available.top()) fitted.moveTop(available.top());
  return fitted;
}

namespace {

// Fits the window into the screen that holds the middle of its frame (or else its own). Before
// the window manager has framed it, a title bar of the style's height is allowed for.
void FitToScreen(QWidget &window) {
  const QRect client = window.geometry();
  QRect frame = window.frameGeometry();
  if (frame == client)
    frame.setTop(frame.top() - window.style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr,
                                                           &window));
  QScreen *screen = QGuiApplication::screenAt(frame.center());
  if (!screen) screen = window.screen();
  if (!screen) return;
  const QMargins margins(client.left() - frame.left(), client.top() - frame.top(),
                         frame.right() - client.right(), frame.bottom() - client.bottom());
  const QSize minimum = window.minimumSize().expandedTo(window.minimumSizeHint()) +
                        QSize(margins.left() + margins.right(), margins.top() + margins.bottom());
  const QRect fitted = FittedFrame(frame, screen->availableGeometry(), minimum);
  if (fitted != frame) window.setGeometry(fitted.marginsRemoved(margins));
}

}  // namespace

namespace {

// Fits its window once it is shown and its frame is known, and again whenever the window
// moves to another screen or its screen changes size or scale.
class ScreenKeeper : public QObject {
 public:
  explicit ScreenKeeper(QWidget &window) : QObject(&window), window_(window) {
    window.installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject *object, QEvent *event) override {
    if (object == &window_ && event->type() == QEvent::Show) {
      if (!watching_) Watch();
      // The frame is drawn only now; Show comes before the window system has it.
      QTimer::singleShot(0, this, [this] { FitToScreen(window_); });
    }
    return false;
  }

 private:
  void Watch() {
    QWindow *handle = window_.windowHandle();
    if (!handle) return;
    watching_ = true;
    WatchScreen(handle->screen());
    connect(handle, &QWindow::screenChanged, this, [this](QScreen *screen) {
      WatchScreen(screen);
      FitToScreen(window_);
    });
  }

  void WatchScreen(QScreen *screen) {
    for (const QMetaObject::Connection &connection : screenLinks_) disconnect(connection);
    screenLinks_.clear();
    if (!screen) return;
    const auto fit = [this] { FitToScreen(window_); };
    screenLinks_ << connect(screen, &QScreen::availableGeometryChanged, this, fit)
                 << connect(screen, &QScreen::logicalDotsPerInchChanged, this, fit);
  }

  QWidget &window_;
  bool watching_ = false;
  QList<QMetaObject::Connection> screenLinks_;
};

}  // namespace

void KeepOnScreen(QWidget &window) {
  FitToScreen(window);
  new ScreenKeeper(window);
}

namespace {

class FirstPaintWatch : public QObject {
 public:
  FirstPaintWatch(QWidget &widget, std::function<void()> then)
      : QObject(&widget), then_(std::move(then)) {
    widget.installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject *object, QEvent *event) override {
    if (event->type() == QEvent::Paint) {
      object->removeEventFilter(this);
      QTimer::singleShot(kAfterFirstPaintMs, this, [this] {
        then_();
        deleteLater();
      });
    }
    return false;
  }

 private:
  std::function<void()> then_;
};

}  // namespace

void AfterFirstPaint(QWidget &widget, std::function<void()> then) {
  new FirstPaintWatch(widget, std::move(then));
}
