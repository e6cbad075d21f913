// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FontWarmUp.h"

#include <QtGlobal>

#ifdef Q_OS_LINUX
#include <dlfcn.h>
#endif

FontWarmUp::FontWarmUp() {
#ifdef Q_OS_LINUX
  // Qt's fonts on Linux come from fontconfig, which Qt's own libraries have loaded already: no
  // library of ours links it. Its set-up happens once per process, for whoever calls first, and
  // is safe on any thread; Qt finds it done.
  using Init = int (*)();
  if (const auto init = reinterpret_cast<Init>(dlsym(RTLD_DEFAULT, "FcInit")))
    thread_ = std::thread(init);
#endif
}

FontWarmUp::~FontWarmUp() { Wait(); }

void FontWarmUp::Wait() {
  if (thread_.joinable()) thread_.join();
}
