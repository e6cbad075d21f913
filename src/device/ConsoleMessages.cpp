// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ConsoleMessages.h"

#include "Register.h"

QString ConsoleMessages::OpenFailed() {
  return tr("Das Gerät konnte nicht initialisiert werden.\n"
            "Bitte stellen Sie sicher dass das Gerät am gewählten Port\n"
            "angeschlossen ist und keine andere Anwendung den Port\n"
            "benutzt.");
}

QString ConsoleMessages::BrokenOff(int sent) {
  return tr("Die Übertragung zum Quorex wurde abgebrochen, nachdem %1 von %2 Registern "
            "gesendet waren. Der Quorex enthält jetzt teils alte, teils neue Einstellungen. "
            "Bitte senden Sie die Einstellungen erneut.")
      .arg(sent)
      .arg(Register::kRegisterCount);
}

QString ConsoleMessages::ResetReadFailed(const QString &reason) {
  return tr("Der Quorex wurde auf Werkeinstellungen zurückgesetzt; nur das Lesen der "
            "Werkeinstellungen danach ist fehlgeschlagen:\n%1\nBitte lesen Sie den Quorex "
            "erneut.")
      .arg(reason);
}

QString ConsoleMessages::WrongDevice() { return tr("Falsches Gerät!"); }

QString ConsoleMessages::PortNotOpen() { return tr("Der Port ist nicht geöffnet."); }

QString ConsoleMessages::NoAnswer() {
  return tr("Der Quorex antwortet nicht.\nBitte prüfen Sie, ob das Gerät eingeschaltet und am "
            "gewählten Port angeschlossen ist.");
}

QString ConsoleMessages::LineBroken() {
  return tr("Die Verbindung zum Quorex wurde unterbrochen.\nBitte prüfen Sie Kabel und Port.");
}

QString ConsoleMessages::AnswerTooLong(int limit) {
  return tr("Die Antwort des Quorex ist zu lang (mehr als %1 Zeichen).").arg(limit);
}

QString ConsoleMessages::NotConfirmed() {
  return tr("Alle %1 Register wurden zum Quorex gesendet, aber der Quorex hat den Empfang "
            "nicht bestätigt.\nBitte prüfen Sie die Verbindung und senden Sie die "
            "Einstellungen erneut.")
      .arg(Register::kRegisterCount);
}
