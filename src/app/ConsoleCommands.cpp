// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ConsoleCommands.h"

#include "ConsoleController.h"
#include "DialogSeam.h"
#include "EditHistory.h"
#include "ExtrasCommands.h"
#include "FileCommands.h"
#include "JobMessages.h"
#include "Register.h"

#include <QTime>

namespace {

QString Now() { return QTime::currentTime().toString(QStringLiteral("HH:mm:ss")); }

// Takes a finished read into `image` in one step: its registers, version text and version
// flag, and marks the image modified. False (and nothing changed) when a text is no register
// text.
bool TakeRead(const ConsoleRead &read, Register &image) {
  if (!image.SetAllTexts(read.texts)) return false;
  image.SetVersionText(read.versionText);
  image.SetModified(true);
  image.SetVersion107(read.version107);
  return true;
}

}  // namespace

ConsoleCommands::ConsoleCommands(QWidget *owner, Register &image, ConsoleController &controller,
                                 FileCommands &files, EditHistory &history,
                                 const ExtrasCommands &extras,
                                 std::function<QString()> portName)
    : QObject(owner),
      owner_(owner),
      image_(image),
      controller_(controller),
      files_(files),
      history_(history),
      extras_(extras),
      portName_(std::move(portName)) {
  connect(&controller_, &ConsoleController::ReadCompleted, this, [this](const ConsoleRead &read) {
    if (!TransferStates::TakesRead(controller_.Job())) return;
    if (!TakeRead(read, image_)) return;
    // Another console's settings now: "Speichern" must not write them over the file opened.
    image_.SetFilePath(QString());
    history_.StartOver(EditHistory::Source::Read, read.versionText, controller_.Port());
    emit Status(TransferStates::Texts(controller_.Job())
                    .done.arg(read.versionText, controller_.Port(), Now()));
  });
  connect(&controller_, &ConsoleController::Written, this, [this](int count) {
    history_.Sent(sending_);
    emit Status(
        TransferStates::Texts(controller_.Job()).done.arg(count).arg(controller_.Port(), Now()));
  });
  connect(&controller_, &ConsoleController::PortFailed, this, &ConsoleCommands::ShowFailure);
  connect(&controller_, &ConsoleController::Failed, this, &ConsoleCommands::ShowFailure);
  connect(&controller_, &ConsoleController::StoreFailed, this,
          [this](ConsoleJob job, const QString &message) { ShowFailure(job, message, QString()); });
  connect(&controller_, &ConsoleController::Noted, this, &ConsoleCommands::Status);
}

void ConsoleCommands::ShowFailure(ConsoleJob job, const QString &message,
                                  const QString &detail) {
  const JobTexts texts = TransferStates::Texts(job);
  // The line names the reason "Details" gives; the box keeps its general text.
  emit Status(texts.failurePrefix + JobMessages::StatusReason(message, detail));
  ShowMessage(owner_, texts.boxLead + message, texts.boxCaption,
              texts.boxWarns ? QMessageBox::Warning : QMessageBox::Critical, QMessageBox::Ok,
              detail);
}

void ConsoleCommands::Senden() {
  sending_ = image_.AllTexts();
  controller_.StartWrite(portName_(), sending_, extras_.VerifyAfterWrite(),
                         extras_.BackUpBeforeWrite(), image_.FilePath(),
                         extras_.LookBeforeWrite());
}

void ConsoleCommands::Lesen() {
  if (!files_.SaveEditsFirst()) return;
  controller_.StartRead(portName_());
}

void ConsoleCommands::Version() {
  // It shows what the last read brought and asks the console nothing: no line in the log.
  ShowMessage(owner_, image_.VersionText(), tr("Version des Quorex"), QMessageBox::NoIcon,
              QMessageBox::Ok);
}

void ConsoleCommands::Werkeinstellungen() {
  if (!files_.SaveEditsFirst()) return;
  const QString port = portName_();
  controller_.AskReset();
  const auto answer = ShowMessage(owner_, tr("Gerät auf Werkeinstellungen zurücksetzen?"),
                                  tr("Werkeinstellungen"), QMessageBox::Warning,
                                  QMessageBox::Ok | QMessageBox::Cancel, QString(),
                                  QMessageBox::Cancel);
  if (answer == QMessageBox::Ok)
    controller_.StartReset(port);
  else
    controller_.CancelReset();
}
