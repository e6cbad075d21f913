// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#include "RegisterFile.h"

#include "FileReason.h"
#include "NativePath.h"
#include "OutputFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

namespace {

// A register file has about 2000 bytes; this leaves room for any editor's idea of a line end
// while a file picked by mistake (an image, a log) is refused before it is read.
constexpr qint64 kMaxFileSize = 1024 * 1024;

QString Tr(const char *text) { return QCoreApplication::translate("RegisterFile", text); }

void SetError(QString *error, const QString &text) {
  if (error) *error = text;
}

QString NotSaved(const QString &shown, const QString &reason) {
  return Tr("Die Datei\n%1\nkonnte nicht gespeichert werden:\n%2").arg(shown, reason);
}

QString NotOpened(const QString &shown, const QString &reason) {
  return Tr("Die Datei\n%1\nkonnte nicht geöffnet werden:\n%2").arg(shown, reason);
}

QString NoRegisterFile(const QString &shown, const QString &reason) {
  return Tr("Die Datei\n%1\nist keine gültige Registerdatei:\n%2").arg(shown, reason);
}

QString TooLarge() {
  return Tr("Sie ist größer als 1 MB; eine Registerdatei ist nur etwa 2 KB groß.");
}

// Why `path` cannot be a register file before anything is opened, or empty. Opening a pipe
// waits for a writer and a device may never end, so those are told apart by type alone.
QString RefusedUnopened(const QString &path, const QString &shown) {
  bool isFolder = false;
  if (!NativePath::Exists(path, &isFolder)) return QString();  // open() names the reason
  if (isFolder) return NotOpened(shown, Tr("Es ist ein Ordner, keine Datei."));
  qint64 size = 0;
  if (!NativePath::IsRegularFile(path, &size))
    return NotOpened(shown, Tr("Es ist keine gewöhnliche Datei, sondern ein Gerät, eine Pipe oder "
                               "ein Socket."));
  if (size > kMaxFileSize) return NoRegisterFile(shown, TooLarge());
  return QString();
}

bool IsHexDigits(const QString &text) {
  for (const QChar c : text)
    if (!((c >= QLatin1Char('0') && c <= QLatin1Char('9')) ||
          (c >= QLatin1Char('A') && c <= QLatin1Char('F'))))
      return false;
  return true;
}

}  // namespace

QByteArray RegisterFileBytes(const QStringList &texts) {
  QByteArray data;
  data.reserve(texts.size() * (kRegisterFileLineLength + 2));
  for (const QString &text : texts) {
    data += text.toLatin1();
    data += "\r\n";
  }
  return data;
}

bool WriteRegisterFile(const QString &path, const QStringList &texts, QString *error) {
  QString reason;
  if (!OutputFile::Save(path, RegisterFileBytes(texts), &reason)) {
    SetError(error, NotSaved(QDir::toNativeSeparators(path), reason));
    return false;
  }
  return true;
}

bool ReadRegisterFile(const QString &path, QStringList *texts, QString *error) {
  const QString shown = QDir::toNativeSeparators(NativePath::Shown(path));
  const QString refused = RefusedUnopened(path, shown);
  if (!refused.isEmpty()) {
    SetError(error, refused);
    return false;
  }
  QFile file;
  QString reason;
  if (!NativePath::OpenForReading(file, path, &reason)) {
    SetError(error, NotOpened(shown, FileReason::FromText(reason)));
    return false;
  }
  // One byte more than allowed tells a file that grew since it was looked at.
  const QByteArray data = file.read(kMaxFileSize + 1);
  if (file.error() != QFileDevice::NoError) {
    SetError(error, Tr("Die Datei\n%1\nkonnte nicht gelesen werden:\n%2")
                        .arg(shown, FileReason::FromText(file.errorString())));
    return false;
  }
  if (data.size() > kMaxFileSize) {
    SetError(error, NoRegisterFile(shown, TooLarge()));
    return false;
  }
  if (!ParseRegisterFile(data, texts, &reason)) {
    SetError(error, NoRegisterFile(shown, reason));
    return false;
  }
  return true;
}

bool ParseRegisterFile(const QByteArray &data, QStringList *texts, QString *reason) {
  QStringList read;
  qsizetype next = 0;
  for (int line = 1; line <= kRegisterFileLines; ++line) {
    if (next >= data.size()) {
      SetError(reason, Tr("Sie endet vor Zeile %1, erwartet werden 200 Zeilen.").arg(line));
      return false;
    }
    qsizetype end = data.indexOf('\n', next);
    if (end < 0) end = data.size();
    QByteArrayView bytes(data.constData() + next, end - next);
    next = end + 1;
    if (bytes.endsWith('\r')) bytes.chop(1);
    // A long line is wrong whatever it holds; it is not copied to find that out.
    const QString text = bytes.size() == kRegisterFileLineLength
                             ? QString::fromLatin1(bytes).toUpper()
                             : QString();
    if (text.isEmpty() || !IsHexDigits(text)) {
      SetError(reason, Tr("Zeile %1 enthält nicht genau 8 Hexziffern.").arg(line));
      return false;
    }
    read.append(text);
  }
  *texts = read;
  return true;
}
