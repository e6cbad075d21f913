// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Protocol.h"

#include "Register.h"

#include <QCoreApplication>
#include <QList>

namespace Protocol {

namespace {

constexpr int kVersionOffset = 12;
constexpr int kValueOffset = 5;

QString Tr(const char *text) { return QCoreApplication::translate("Protocol", text); }

Answer Unusable(const QString &reason) {
  Answer answer;
  answer.error = reason;
  return answer;
}

}  // namespace

QByteArray RegisterNumberText(int reg) { return QByteArray::number(reg).rightJustified(3, '0'); }

QByteArray WriteCommand(int reg, const QString &text) {
  return "$P" + RegisterNumberText(reg) + text.toLatin1() + "\r";
}

QByteArray ReadRequest(int reg) { return "$R" + RegisterNumberText(reg) + "\r"; }

QByteArray ProgStart() { return QByteArrayLiteral("$PROGSTART\r"); }

QByteArray ProgEnde() { return QByteArrayLiteral("$PROGENDE\r"); }

QByteArray ResetCommand() { return QByteArrayLiteral("$P99900000000\r"); }

QByteArray EndMark() { return QByteArrayLiteral("ENDE\r\n"); }

bool IsGreetingComplete(const QByteArray &received) {
  return received.size() > kGreetingLength;
}

bool IsQuorexGreeting(const QByteArray &received) {
  if (!IsGreetingComplete(received)) return false;
  return received.left(kGreetingLength + 1).indexOf("Quorex") >= 1;
}

bool HasEndMark(const QByteArray &received) { return received.indexOf(EndMark()) >= 1; }

bool IsVersion107(const QString &versionText) {
  return versionText.indexOf(QLatin1String("V 1.07")) >= 1;
}

Answer ParseAnswer(const QByteArray &received) {
  if (received.size() > kMaxAnswerLength)
    return Unusable(Tr("Die Antwort des Quorex ist zu lang (mehr als %1 Zeichen).")
                        .arg(kMaxAnswerLength));

  // Blank lines carry nothing, whether the console ends them with "\n" or "\r\n".
  QList<QByteArray> lines = received.split('\n');
  lines.removeIf([](const QByteArray &line) { return line.isEmpty() || line == "\r"; });
  if (lines.size() < 1 + Register::kRegisterCount)
    return Unusable(Tr("Die Antwort des Quorex ist unvollständig: %1 von %2 Registern.")
                        .arg(qMax(0, int(lines.size()) - 1))
                        .arg(Register::kRegisterCount));

  Answer answer;
  QByteArray identification = lines.at(0);
  if (identification.endsWith('\r')) identification.chop(1);
  answer.versionText = QString::fromLatin1(identification.mid(kVersionOffset));

  for (int reg = 0; reg < Register::kRegisterCount; ++reg) {
    const QString value =
        QString::fromLatin1(lines.at(1 + reg).mid(kValueOffset, Register::kRegisterLength))
            .toUpper();
    if (!Register::IsRegisterText(value))
      return Unusable(Tr("Die Antwort des Quorex für Register %1 ist unbrauchbar.").arg(reg));
    answer.texts.append(value);
  }
  answer.ok = true;
  return answer;
}

}  // namespace Protocol
