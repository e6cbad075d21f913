#include "RegisterFile.h"

#include "Register.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSaveFile>

namespace {

QString Tr(const char *text) { return QCoreApplication::translate("RegisterFile", text); }

void SetError(QString *error, const QString &text) {
  if (error) *error = text;
}

}  // namespace

bool WriteRegisterFile(const QString &path, const QStringList &texts, QString *error) {
  const QString shown = QDir::toNativeSeparators(path);
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) {
    SetError(error, Tr("Die Datei\n%1\nkonnte nicht gespeichert werden:\n%2")
                        .arg(shown, file.errorString()));
    return false;
  }
  QByteArray data;
  data.reserve(texts.size() * (Register::kRegisterLength + 2));
  for (const QString &text : texts) {
    data += text.toLatin1();
    data += "\r\n";
  }
  // write() only fills Qt's buffer; a full disk shows in flush(). commit() would not notice
  // that failure and put the short file in place of the old one.
  if (file.write(data) != data.size() || !file.flush() || !file.commit()) {
    SetError(error, Tr("Die Datei\n%1\nkonnte nicht gespeichert werden:\n%2")
                        .arg(shown, file.errorString()));
    file.cancelWriting();
    return false;
  }
  return true;
}

bool ReadRegisterFile(const QString &path, QStringList *texts, QString *error) {
  const QString shown = QDir::toNativeSeparators(path);
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    SetError(error, Tr("Die Datei\n%1\nkonnte nicht geöffnet werden:\n%2")
                        .arg(shown, file.errorString()));
    return false;
  }
  QStringList read;
  // A valid line is 8 digits plus CR LF; anything longer is reported, not read on.
  constexpr qint64 kMaxLine = 64;
  for (int line = 1; line <= Register::kRegisterCount; ++line) {
    if (file.atEnd()) {
      SetError(error, Tr("Die Datei\n%1\nist keine gültige Registerdatei:\n"
                         "Sie endet vor Zeile %2, erwartet werden 200 Zeilen.")
                          .arg(shown)
                          .arg(line));
      return false;
    }
    QByteArray bytes = file.readLine(kMaxLine);
    if (bytes.isEmpty() && file.error() != QFileDevice::NoError) {
      SetError(error, Tr("Die Datei\n%1\nkonnte nicht gelesen werden:\n%2")
                          .arg(shown, file.errorString()));
      return false;
    }
    if (bytes.endsWith('\n')) bytes.chop(1);
    if (bytes.endsWith('\r')) bytes.chop(1);
    const QString text = QString::fromLatin1(bytes).toUpper();
    if (!Register::IsRegisterText(text)) {
      SetError(error, Tr("Die Datei\n%1\nist keine gültige Registerdatei:\n"
                         "Zeile %2 enthält nicht genau 8 Hexziffern.")
                          .arg(shown)
                          .arg(line));
      return false;
    }
    read.append(text);
  }
  *texts = read;
  return true;
}
