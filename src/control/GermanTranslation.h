// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QCoreApplication;

// German for Qt's own texts too (standard buttons, file dialogs) and German dates and numbers,
// whatever the system's locale: for the window and quorex-cli alike. Without Qt's translation
// files installed the program's own texts are German all the same.
void InstallGermanTranslation(QCoreApplication &app);
