// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#include "JobMessages.h"

#include "ConsoleMessages.h"
#include "Register.h"

QString JobMessages::Failure(ConsoleJob job, const QString &message) {
  return TransferStates::Texts(job).failureLead + message;
}

QString JobMessages::WithDetail(const QString &said, const QString &detail) {
  return detail.isEmpty() ? said : said + QLatin1Char('\n') + tr("Details: %1").arg(detail);
}

QString JobMessages::StatusReason(const QString &message, const QString &detail) {
  const QString general = ConsoleMessages::OpenFailed();
  if (detail.isEmpty()) return message;
  if (message.contains(general)) return QString(message).replace(general, detail);
  return message + QLatin1Char(' ') + detail;
}

QString JobMessages::NotTaken(const QString &port) {
  return tr("Der Quorex am Port %1 hat nach dem Senden nicht alle Einstellungen "
            "übernommen. Bitte senden Sie die Einstellungen erneut.")
      .arg(port);
}

QString JobMessages::Differing(int count) {
  return count == 1 ? tr("1 Einstellung im Quorex weicht von der Datei ab.")
                    : tr("%1 Einstellungen im Quorex weichen von der Datei ab.").arg(count);
}

QString JobMessages::Cancelled(ConsoleSession::Operation operation, int sent, bool confirmed,
                               bool resetSent) {
  switch (operation) {
    case ConsoleSession::Operation::Write:
      if (confirmed)
        return tr("Der Quorex hat den Empfang aller %1 Register bestätigt; die Übertragung ist "
                  "vollständig.")
            .arg(Register::kRegisterCount);
      // A command cut off in the middle lacks its "\r", and the console stores nothing of it.
      if (sent == 0)
        return tr(
            "Die Übertragung zum Quorex wurde abgebrochen, bevor ein Register gesendet "
            "war. Der Quorex enthält weiter seine bisherigen Einstellungen.");
      if (sent < Register::kRegisterCount) return ConsoleMessages::BrokenOff(sent);
      return tr("Die Übertragung zum Quorex wurde abgebrochen, nachdem alle %1 Register "
                "gesendet waren; der Quorex hat den Empfang aber nicht mehr bestätigt.\nBitte "
                "prüfen Sie die Einstellungen mit \"quorex-cli verify\".")
          .arg(Register::kRegisterCount);
    case ConsoleSession::Operation::Reset:
      if (resetSent)
        return tr(
            "Der Quorex wurde auf Werkeinstellungen zurückgesetzt; das Lesen danach "
            "wurde abgebrochen.");
      return tr(
          "Das Zurücksetzen wurde abgebrochen, während der Befehl dazu gesendet wurde. "
          "Ob der Quorex auf Werkeinstellungen steht, zeigt erst ein erneutes Lesen.");
    case ConsoleSession::Operation::Read:
    case ConsoleSession::Operation::None:
      break;
  }
  return tr("Das Lesen des Quorex wurde abgebrochen.");
}
