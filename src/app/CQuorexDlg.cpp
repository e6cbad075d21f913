// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#include "CQuorexDlg.h"

#include "AboutBox.h"
#include "CAboutDlg.h"
#include "ConfigTree.h"
#include "ConfigTreeView.h"
#include "DialogHelpers.h"
#include "DialogSeam.h"
#include "EditCommands.h"
#include "ManualWindow.h"
#include "PortChooser.h"
#include "Preferences.h"
#include "SearchPanel.h"
#include "SerialPort.h"
#include "StatusLine.h"
#include "ui_CQuorexDlg.h"

#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenuBar>
#include <QShowEvent>

#include <utility>

// The icon lives in this static library, whose resources are found only once registered.
static void InitResources() { Q_INIT_RESOURCE(quorex); }

CQuorexDlg::CQuorexDlg(QWidget *parent)
    : QDialog(parent),
      ui_(std::make_unique<Ui::CQuorexDlg>()),
      history_(register_),
      files_(
          this, register_, history_, [this] { return controller_.IsFileCommandBlocked(); },
          [this] { return controller_.Journal().BackupFolder(); }),
      extras_(
          this, register_, controller_,
          [this] {
            RememberFocus();
            return PullPortName();
          },
          [this](const QString &path) { return files_.OpenBackup(path); }),
      console_(this, register_, controller_, files_, history_, extras_, [this] {
        RememberFocus();
        return PullPortName();
      }) {
  InitResources();
  ui_->setupUi(this);
  edits_ = new EditCommands(this, history_, *ui_->configTree, *ui_->sourceLine);
  // The program's own icon is the application's; reading it a second time costs start-up time.
  if (QGuiApplication::windowIcon().isNull()) setWindowIcon(QIcon(QStringLiteral(":/quorex.png")));
  setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
  register_.SetVersion107(true);
  setAcceptDrops(true);
  ui_->portChooser->SetPortSource([] { return SerialPort::ListPorts(); });
  ui_->portChooser->SetPortWatch(SerialPort::WatchPorts());
  ui_->portChooser->SetTransferCheck([this] { return IsTransferRunning(); });
  // Once the first listing is there: --port, else a typed port that worked, else the remembered.
  connect(ui_->portChooser, &PortChooser::PortsListed, this, [this] {
    if (std::exchange(portsListed_, true)) return;
    portName_ = Preferences().PortToStartWith(ui_->portChooser->PortName(), startPort_);
    PushPortName();
  });
  const QByteArray geometry = Preferences().WindowGeometry();
  if (!geometry.isEmpty()) restoreGeometry(geometry);
  BuildMenus();
  ConfigTree::Fill(*ui_->configTree);
  CAboutDlg::AddToWindowMenu(*this, *menuBar_);
  ApplyStates(controller_.States());

  connect(ui_->configTree, &ConfigTreeView::EntryChosen, this, &CQuorexDlg::OnEntryChosen);
  ui_->searchPanel->SetImage(register_);
  // Matches show values: an undo, a read or an open changes them under the list.
  connect(&history_, &EditHistory::Changed, ui_->searchPanel, &SearchPanel::Refresh);
  // A match opens as the tree would open its page, with the setting's field first.
  ui_->searchPanel->SetOpener([this](const QString &page, const std::vector<RegisterSpot> &spots,
                                     const QString &name) {
    QTreeWidgetItem *item = ConfigTree::FindPage(*ui_->configTree, page);
    return item && !IsReadPending() && edits_->RunPage(*item, spots, name);
  });
  AddHelpKey(*this, ui_->hilfeButton);
  connect(ui_->hilfeButton, &QPushButton::clicked, this, &CQuorexDlg::OnHilfe);
  connect(ui_->infoButton, &QPushButton::clicked, this, &CQuorexDlg::OnInfo);
  connect(ui_->versionButton, &QPushButton::clicked, &console_, &ConsoleCommands::Version);
  connect(ui_->sendenButton, &QPushButton::clicked, &console_, &ConsoleCommands::Senden);
  connect(ui_->lesenButton, &QPushButton::clicked, &console_, &ConsoleCommands::Lesen);
  connect(ui_->werkeinstellungenButton, &QPushButton::clicked, &console_,
          &ConsoleCommands::Werkeinstellungen);
  connect(&files_, &FileCommands::Opened, this,
          [this] { controller_.Note(WindowEvent::FileOpened); });
  connect(&files_, &FileCommands::Status, this, &CQuorexDlg::SetStatus);
  connect(&extras_, &ExtrasCommands::Status, this, &CQuorexDlg::SetStatus);
  connect(&extras_, &ExtrasCommands::TakeOverRequested, edits_, &EditCommands::TakeOverFrom);
  connect(&console_, &ConsoleCommands::Status, this, &CQuorexDlg::SetStatus);
  ConnectController();
  ui_->statusLine->SetLines(2);
  SetStatus(tr("Port wählen, dann „Lesen“ drücken – oder eine Registerdatei öffnen."));
  // Last, with menus, tree and status in place: the layout measured here is the one shown.
  KeepOnScreen(*this);
}

CQuorexDlg::~CQuorexDlg() = default;

void CQuorexDlg::BuildMenus() {
  menuBar_ = new QMenuBar(this);
  layout()->setMenuBar(menuBar_);
  QMenu *datei = menuBar_->addMenu(tr("&Datei"));
  datei->setObjectName(QStringLiteral("dateiMenu"));
  files_.AddTo(*datei);
  QAction *beenden = datei->addAction(tr("&Beenden"), this, [this] {
    if (MayClose()) EndProgram();
  });
  QList<QKeySequence> keys = QKeySequence::keyBindings(QKeySequence::Quit);
  keys.removeAll(QKeySequence(Qt::CTRL | Qt::Key_Q));
  keys.prepend(QKeySequence(Qt::CTRL | Qt::Key_Q));
  beenden->setShortcuts(keys);
  QMenu *bearbeiten = menuBar_->addMenu(tr("&Bearbeiten"));
  bearbeiten->setObjectName(QStringLiteral("bearbeitenMenu"));
  edits_->AddTo(*bearbeiten);
  bearbeiten->addSeparator();
  ui_->searchPanel->AddTo(*bearbeiten);
  QMenu *extras = menuBar_->addMenu(tr("&Extras"));
  extras->setObjectName(QStringLiteral("extrasMenu"));
  extras_.AddTo(*extras);
  ManualWindow::AddMenu(*menuBar_, *this);
}

void CQuorexDlg::ConnectController() {
  connect(&controller_, &ConsoleController::StatesChanged, this, &CQuorexDlg::ApplyStates);
  // Each job fills the bar once from the left; its text names the step and the count.
  connect(&controller_, &ConsoleController::ProgressStarted, this, [this](ConsoleJob job) {
    ui_->progressBar->Start(TransferStates::Texts(job).progress);
  });
  connect(&controller_, &ConsoleController::Progress, this, &CQuorexDlg::StepProgress);
  // The reset command and the console's pause count nothing.
  connect(&controller_, &ConsoleController::Resetting, this,
          [this] { ui_->progressBar->Start(tr("Zurücksetzen"), false); });
  connect(&controller_, &ConsoleController::PortWorked, this,
          [this](const QString &port) { ui_->portChooser->RememberPort(port); });
}

// The only place that enables the console buttons and the tree. Once they are back the bar is
// empty, however the job ended: the status line says how.
void CQuorexDlg::ApplyStates(const ControlStates &states) {
  const bool back = states.lesen && !ui_->lesenButton->isEnabled();
  ui_->sendenButton->setEnabled(states.senden);
  ui_->lesenButton->setEnabled(states.lesen);
  ui_->versionButton->setEnabled(states.version);
  ui_->werkeinstellungenButton->setEnabled(states.werkeinstellungen);
  ui_->configTree->setEnabled(states.tree);
  ui_->searchPanel->setEnabled(states.tree);
  edits_->SetUsable(states.undo);
  if (!back) return;
  ui_->progressBar->Empty();
  RestoreFocus();
}

// The ports are listed after the window's first paint, never before it.
void CQuorexDlg::showEvent(QShowEvent *event) {
  QDialog::showEvent(event);
  if (!std::exchange(portsFollowed_, true)) ui_->portChooser->Start();
  if (portsListed_) PushPortName();
  ui_->progressBar->setRange(0, Register::kRegisterCount);
}

void CQuorexDlg::PushPortName() { ui_->portChooser->SetPortName(portName_); }

QString CQuorexDlg::PullPortName() { return portName_ = ui_->portChooser->PortName(); }

void CQuorexDlg::StepProgress() { ui_->progressBar->Step(); }

void CQuorexDlg::SetStatus(const QString &text) { ui_->statusLine->SetStatus(text); }

void CQuorexDlg::OnEntryChosen(QTreeWidgetItem *item) {
  // Run from a queued call: inside the tree's signal the page's event loop would keep the tree,
  // its key and any screen reader waiting. A second choice before it opens replaces the first.
  const bool queued = pendingPage_ != nullptr;
  pendingPage_ = item;
  if (!queued)
    QMetaObject::invokeMethod(this, &CQuorexDlg::OpenPendingPage, Qt::QueuedConnection);
}

void CQuorexDlg::OpenPendingPage() {
  QTreeWidgetItem *item = std::exchange(pendingPage_, nullptr);
  // A read that started meanwhile is about to replace the registers.
  if (!item || !ui_->configTree->isEnabled() || IsReadPending()) return;
  OpenPage(item);
}

void CQuorexDlg::OpenPage(QTreeWidgetItem *item) {
  if (!edits_->RunPage(*item)) return;
  // Back where the technician left off, wherever the window system puts the keyboard.
  if (!ui_->configTree->isEnabled()) return;
  ui_->configTree->setCurrentItem(item);
  ui_->configTree->setFocus(Qt::OtherFocusReason);
  if (!isActiveWindow()) activateWindow();
}

void CQuorexDlg::OnHilfe() {
  const QString text =
      tr("Lesen Sie bitte vor dem Ändern der Einstellungen die aktuellen\n"
         "Geräteeinstellungen aus oder laden Sie zuvor gespeicherte Ein-\n"
         "stellungen über \"Datei\"->\"Öffnen\".\n"
         "So lange keine sinnvollen Einstellungen geladen wurden, ist die\n"
         "Schaltfläche \"Senden\" deaktiviert, um ein versehentliches\n"
         "Überschreiben der bisherigen Einstellungen zu verhindern.\n\n"
         "Vorgenommene Einstellungen können über \"Datei\"->\"Speichern\"\n"
         "als Datei für die spätere Wiederherstellung gesichert werden.\n");
  ShowMessage(this, text, tr("Hilfe"), QMessageBox::Information, QMessageBox::Ok);
}

void CQuorexDlg::OnInfo() {
  AboutBox about(this);
  if (about.exec() == QDialog::Rejected) controller_.Note(WindowEvent::AboutClosedWithoutOk);
}

// Disabling the pressed button pushes the focus on to "Hilfe...", where a later Enter would
// open the help; it goes back to the pressed button once that is usable again.
void CQuorexDlg::RememberFocus() {
  focusBeforeTransfer_ = qobject_cast<QPushButton *>(focusWidget());
}

void CQuorexDlg::RestoreFocus() {
  if (focusBeforeTransfer_ && focusBeforeTransfer_->isEnabled() &&
      focusWidget() == ui_->hilfeButton)
    focusBeforeTransfer_->setFocus();
}

bool CQuorexDlg::MayClose() {
  // Already ending: a signal asks nothing.
  if (endedBySignal_) return false;
  // Cutting a write or the reset command off would leave the console half programmed.
  if (controller_.IsOnTheLine()) {
    ShowMessage(this,
                tr("Die Übertragung zum Quorex läuft noch. Bitte warten Sie, bis sie beendet "
                   "ist."),
                QString(), QMessageBox::Information, QMessageBox::Ok);
    return false;
  }
  if (!register_.IsModified()) return true;
  const auto answer =
      ShowMessage(this, tr("Wollen Sie vor dem Schließen der Anwendung die Änderungen speichern?"),
                  tr("Änderungen Speichern"), QMessageBox::Question,
                  QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
  // Escape answers "Abbrechen": the window stays, with nothing lost.
  if (answer == QMessageBox::Cancel) return false;
  if (answer == QMessageBox::Yes) return files_.Save();
  return true;
}

QStringList CQuorexDlg::EndBySignal() {
  QStringList said;
  if (controller_.IsBusy()) said << controller_.Cancel();
  // A write waiting for its look at the differences is logged as "Abbrechen" there would be.
  controller_.CancelAfterPreview();
  controller_.Abort();
  if (register_.IsModified()) said << tr("Die Änderungen wurden nicht gespeichert.");
  if (!closing_) Preferences().SetWindowGeometry(saveGeometry());
  closing_ = true;
  endedBySignal_ = true;
  return said;
}

void CQuorexDlg::EndProgram() {
  // A question or page open when the signal came returns into the code that asked for it;
  // nothing there may end the program a second time, with another exit code.
  if (endedBySignal_) return;
  if (!closing_) Preferences().SetWindowGeometry(saveGeometry());
  closing_ = true;
  controller_.Abort();
  QDialog::done(QDialog::Accepted);
}

void CQuorexDlg::accept() {
  if (MayClose()) EndProgram();
}

void CQuorexDlg::reject() {
  if (MayClose()) EndProgram();
}

void CQuorexDlg::closeEvent(QCloseEvent *event) {
  if (!closing_ && !MayClose()) return event->ignore();
  event->accept();
  EndProgram();
}

// Enter presses the push button that has the focus, and a field that Enter confirms keeps it
// ("Port:" takes what was typed); anywhere else it ends the program, as Escape does.
void CQuorexDlg::keyPressEvent(QKeyEvent *event) {
  const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
  if (enter && TakesEnter(focusWidget())) {
    if (ui_->portChooser->isAncestorOf(focusWidget())) PullPortName();
    return event->accept();
  }
  if (!HandleEnterKey(*this, event)) QDialog::keyPressEvent(event);
}

void CQuorexDlg::dragEnterEvent(QDragEnterEvent *event) {
  if (files_.Accepts(event->mimeData()))
    event->acceptProposedAction();
  else
    event->ignore();
}

void CQuorexDlg::dropEvent(QDropEvent *event) {
  if (!files_.Accepts(event->mimeData())) {
    event->ignore();
    return;
  }
  event->acceptProposedAction();
  files_.Drop(event->mimeData());
}
