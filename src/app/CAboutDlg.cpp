// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#include "CAboutDlg.h"

#include <QMenuBar>

#ifdef Q_OS_WIN
#include <QAbstractNativeEventFilter>
#include <QCoreApplication>
#include <QPointer>
#include <windows.h>
#endif

namespace {

#ifdef Q_OS_WIN
// The window menu's about entry; Windows keeps the low four bits of a command for itself.
constexpr unsigned kAboutCommand = 16;

class AboutCommandFilter : public QAbstractNativeEventFilter {
 public:
  explicit AboutCommandFilter(QWidget &window) : window_(&window) {}
  bool nativeEventFilter(const QByteArray &, void *message, qintptr *result) override {
    const MSG *msg = static_cast<const MSG *>(message);
    if (!window_ || msg->message != WM_SYSCOMMAND || (msg->wParam & 0xFFF0) != kAboutCommand ||
        msg->hwnd != reinterpret_cast<HWND>(window_->winId()))
      return false;
    CAboutDlg about(window_);
    about.exec();
    *result = 0;
    return true;
  }

 private:
  QPointer<QWidget> window_;
};
#endif

}  // namespace

void CAboutDlg::AddToWindowMenu(QWidget &window, QMenuBar &bar) {
  const QString text = tr("Inf&o über Quorex...");
  if (text.isEmpty()) return;
#ifdef Q_OS_WIN
  Q_UNUSED(bar);
  HMENU menu = GetSystemMenu(reinterpret_cast<HWND>(window.winId()), FALSE);
  if (!menu) return;
  AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
  AppendMenuW(menu, MF_STRING, kAboutCommand, reinterpret_cast<const wchar_t *>(text.utf16()));
  auto *filter = new AboutCommandFilter(window);
  QCoreApplication::instance()->installNativeEventFilter(filter);
  QObject::connect(&window, &QObject::destroyed, [filter] {
    QCoreApplication::instance()->removeNativeEventFilter(filter);
    delete filter;
  });
#else
  QMenu *hilfe = bar.findChild<QMenu *>(QStringLiteral("hilfeMenu"));
  if (!hilfe) {
    hilfe = bar.addMenu(tr("&Hilfe"));
    hilfe->setObjectName(QStringLiteral("hilfeMenu"));
  }
  QAction *about = hilfe->addAction(text, &window, [&window] {
    CAboutDlg box(&window);
    box.exec();
  });
  about->setMenuRole(QAction::AboutRole);
#endif
}
