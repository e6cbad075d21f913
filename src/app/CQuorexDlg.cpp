#include "CQuorexDlg.h"

#include "AboutBox.h"
#include "CAboutDlg.h"
#include "CompareDialog.h"
#include "ConfigPage.h"
#include "ConfigTreeView.h"
#include "DialogSeam.h"
#include "DialogHelpers.h"
#include "PageCatalog.h"
#include "Preferences.h"
#include "RecentFiles.h"
#include "ReportFile.h"
#include "SettingsReport.h"
#include "StatusLine.h"
#include "ui_CQuorexDlg.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMenuBar>
#include <QMimeData>
#include <QPageLayout>
#include <QPrinter>
#include <QPushButton>
#include <QSettings>
#include <QShowEvent>
#include <QTextDocument>
#include <QTime>
#include <QTimer>

#include <utility>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace {

// The window menu's about entry; Windows keeps the low four bits of a command for itself.
constexpr unsigned kAboutCommand = 16;

const char kVerifyAfterWriteKey[] = "verifyAfterWrite";

const char *const kRootEntries[] = {
    QT_TRANSLATE_NOOP("CQuorexDlg", "BUSY-Konfiguration"),
    QT_TRANSLATE_NOOP("CQuorexDlg", "Squelchkonfiguration"),
    QT_TRANSLATE_NOOP("CQuorexDlg", "Funkkreiskonfiguration"),
    QT_TRANSLATE_NOOP("CQuorexDlg", "TX Konfiguration"),
    QT_TRANSLATE_NOOP("CQuorexDlg", "Duplexkonfiguration (->TETRA)"),
    QT_TRANSLATE_NOOP("CQuorexDlg", "NF-Eingangskonfiguration"),
    QT_TRANSLATE_NOOP("CQuorexDlg", "Hörer-/LS-Konfiguration"),
    QT_TRANSLATE_NOOP("CQuorexDlg", "Tonbandrelais Konfiguration"),
    QT_TRANSLATE_NOOP("CQuorexDlg", "Headset Konfiguration"),
    QT_TRANSLATE_NOOP("CQuorexDlg", "Sendereinstellungen"),
    QT_TRANSLATE_NOOP("CQuorexDlg", "Tastenfunktionen"),
    QT_TRANSLATE_NOOP("CQuorexDlg", "Tonrufauswertung"),
    QT_TRANSLATE_NOOP("CQuorexDlg", "Einzelnes Register lesen/schreiben"),
};
const char *const kBusyEntries[] = {
    QT_TRANSLATE_NOOP("CQuorexDlg", "BUSY Ausgang Konfiguration"),
    QT_TRANSLATE_NOOP("CQuorexDlg", "BUSY Eingang Konfiguration"),
};

// The register file a drag brings, or empty: one local file, named *.rquorex.
QString RegisterFileIn(const QMimeData *mime) {
  if (!mime || !mime->hasUrls()) return QString();
  const QList<QUrl> urls = mime->urls();
  if (urls.size() != 1 || !urls.constFirst().isLocalFile()) return QString();
  const QString path = urls.constFirst().toLocalFile();
  if (!path.endsWith(QLatin1String(".rquorex"), Qt::CaseInsensitive)) return QString();
  return path;
}

// The platform's keys for the command, and `key` among them in any case: on Windows, for
// one, "Speichern unter" and "Beenden" have no standard key of their own.
void SetShortcut(QAction *action, QKeySequence::StandardKey standard, const QKeySequence &key) {
  QList<QKeySequence> keys = QKeySequence::keyBindings(standard);
  keys.removeAll(key);
  keys.prepend(key);
  action->setShortcuts(keys);
}

}  // namespace

// The icon is compiled into this library; a static library's resources are only found once
// registered, and the window is the first to need them.
static void InitResources() { Q_INIT_RESOURCE(quorex); }

CQuorexDlg::CQuorexDlg(QWidget *parent)
    : QDialog(parent), ui_(std::make_unique<Ui::CQuorexDlg>()) {
  InitResources();
  ui_->setupUi(this);
  setWindowIcon(QIcon(QStringLiteral(":/quorex.png")));
  setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
  register_.SetVersion107(true);
  setAcceptDrops(true);
  ui_->portChooser->SetPortSource([] { return SerialPort::ListPorts(); });
  ui_->portChooser->SetTransferCheck([this] { return IsTransferRunning(); });
  const QByteArray geometry = Preferences().WindowGeometry();
  if (!geometry.isEmpty()) restoreGeometry(geometry);
  KeepOnScreen(*this);
  BuildMenu();
  BuildExtrasMenu();
  BuildTree();
  AddAboutToWindowMenu();

  connect(ui_->configTree, &ConfigTreeView::EntryChosen, this, &CQuorexDlg::OnEntryChosen);
  AddHelpKey(*this, ui_->hilfeButton);
  connect(ui_->hilfeButton, &QPushButton::clicked, this, &CQuorexDlg::OnHilfe);
  connect(ui_->infoButton, &QPushButton::clicked, this, &CQuorexDlg::OnInfo);
  connect(ui_->versionButton, &QPushButton::clicked, this, &CQuorexDlg::OnVersion);
  connect(ui_->sendenButton, &QPushButton::clicked, this, &CQuorexDlg::OnSenden);
  connect(ui_->lesenButton, &QPushButton::clicked, this, &CQuorexDlg::OnLesen);
  connect(ui_->werkeinstellungenButton, &QPushButton::clicked, this,
          &CQuorexDlg::OnWerkeinstellungen);

  ConnectSession();
}

CQuorexDlg::~CQuorexDlg() = default;

void CQuorexDlg::BuildMenu() {
  menuBar_ = new QMenuBar(this);
  layout()->setMenuBar(menuBar_);
  QMenu *datei = menuBar_->addMenu(tr("&Datei"));
  datei->setObjectName(QStringLiteral("dateiMenu"));
  QAction *neu = datei->addAction(tr("&Neu"), this, &CQuorexDlg::New);
  QAction *oeffnen = datei->addAction(tr("Ö&ffnen ..."), this, &CQuorexDlg::Open);
  QAction *speichern = datei->addAction(tr("&Speichern "), this, &CQuorexDlg::Save);
  QAction *speichernUnter =
      datei->addAction(tr("Speichern &unter ..."), this, &CQuorexDlg::SaveAs);
  recentMenu_ = datei->addMenu(tr("&Zuletzt geöffnet"));
  recentMenu_->setObjectName(QStringLiteral("zuletztMenu"));
  QAction *beenden = datei->addAction(tr("&Beenden"), this, [this] {
    if (MayClose()) EndProgram();
  });
  SetShortcut(neu, QKeySequence::New, QKeySequence(Qt::CTRL | Qt::Key_N));
  SetShortcut(oeffnen, QKeySequence::Open, QKeySequence(Qt::CTRL | Qt::Key_O));
  SetShortcut(speichern, QKeySequence::Save, QKeySequence(Qt::CTRL | Qt::Key_S));
  SetShortcut(speichernUnter, QKeySequence::SaveAs,
              QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
  SetShortcut(beenden, QKeySequence::Quit, QKeySequence(Qt::CTRL | Qt::Key_Q));
  // A shortcut bypasses the menu, and with it the greying below: the commands refuse on their
  // own while a transfer needs the registers.
  connect(datei, &QMenu::aboutToShow, this, [this, neu, oeffnen] {
    neu->setEnabled(!IsFileCommandBlocked());
    oeffnen->setEnabled(!IsFileCommandBlocked());
    FillRecentMenu();
  });
  FillRecentMenu();
}

// Filled afresh each time "Datei" opens, as files come and go meanwhile, and never from
// inside one of its own entries, which the filling replaces.
void CQuorexDlg::FillRecentMenu() {
  RecentFiles::Fill(*recentMenu_, Preferences().RecentFiles(),
                    [this](const QString &path) { OpenKnownFile(path); });
  if (IsFileCommandBlocked()) recentMenu_->menuAction()->setEnabled(false);
}

void CQuorexDlg::RememberFile(const QString &path) {
  Preferences preferences;
  preferences.SetRecentFiles(RecentFiles::Added(preferences.RecentFiles(), path));
  preferences.SetLastFolder(QFileInfo(path).absolutePath());
}

// Everything here only reads the program's registers; none of it may hold the port while a
// transfer needs it.
void CQuorexDlg::BuildExtrasMenu() {
  QMenu *extras = menuBar_->addMenu(tr("&Extras"));
  extras->setObjectName(QStringLiteral("extrasMenu"));
  QAction *berichtSpeichern = extras->addAction(tr("Einstellungsbericht &speichern ..."), this,
                                                &CQuorexDlg::SaveReport);
  berichtSpeichern->setObjectName(QStringLiteral("berichtSpeichernAction"));
  QAction *berichtDrucken = extras->addAction(tr("Einstellungsbericht d&rucken ..."), this,
                                              &CQuorexDlg::PrintReport);
  berichtDrucken->setObjectName(QStringLiteral("berichtDruckenAction"));
  extras->addSeparator();
  QAction *dateiVergleichen =
      extras->addAction(tr("Mit &Datei vergleichen ..."), this, &CQuorexDlg::CompareWithFile);
  dateiVergleichen->setObjectName(QStringLiteral("dateiVergleichenAction"));
  QAction *quorexVergleichen = extras->addAction(tr("Mit &Quorex vergleichen ..."), this,
                                                 &CQuorexDlg::CompareWithConsole);
  quorexVergleichen->setObjectName(QStringLiteral("quorexVergleichenAction"));
  extras->addSeparator();
  QAction *pruefen = extras->addAction(tr("Nach dem Senden &prüfen"));
  pruefen->setObjectName(QStringLiteral("pruefenAction"));
  pruefen->setCheckable(true);
  verifyAfterWrite_ = QSettings().value(QLatin1String(kVerifyAfterWriteKey), false).toBool();
  pruefen->setChecked(verifyAfterWrite_);
  connect(pruefen, &QAction::toggled, this, &CQuorexDlg::SetVerifyAfterWrite);

  connect(extras, &QMenu::aboutToShow, this, [this, extras, quorexVergleichen] {
    const bool idle = !session_.IsBusy();
    for (QAction *action : extras->actions()) action->setEnabled(idle);
    // Like "Senden": a console is compared with sensible settings only.
    quorexVergleichen->setEnabled(idle && ui_->sendenButton->isEnabled());
  });
}

void CQuorexDlg::BuildTree() {
  QTreeWidgetItem *busy = nullptr;
  for (const char *entry : kRootEntries) {
    auto *item = new QTreeWidgetItem(ui_->configTree, QStringList(tr(entry)));
    if (!busy) busy = item;
  }
  for (const char *entry : kBusyEntries) new QTreeWidgetItem(busy, QStringList(tr(entry)));
  busy->setExpanded(false);
}

// Windows users find "About" in the window's system menu; elsewhere there is no such menu, so
// the entry goes where those users look for it: a "Hilfe" menu (the application menu on macOS).
void CQuorexDlg::AddAboutToWindowMenu() {
  const QString text = tr("Inf&o über Quorex...");
  if (text.isEmpty()) return;
#ifdef Q_OS_WIN
  HMENU menu = GetSystemMenu(reinterpret_cast<HWND>(winId()), FALSE);
  if (menu) {
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(menu, MF_STRING, kAboutCommand,
                reinterpret_cast<const wchar_t *>(text.utf16()));
  }
#else
  QMenu *hilfe = menuBar_->addMenu(tr("&Hilfe"));
  hilfe->setObjectName(QStringLiteral("hilfeMenu"));
  QAction *about = hilfe->addAction(text, this, [this] {
    CAboutDlg about(this);
    about.exec();
  });
  about->setMenuRole(QAction::AboutRole);
#endif
}

#ifdef Q_OS_WIN
bool CQuorexDlg::nativeEvent(const QByteArray &eventType, void *message, qintptr *result) {
  const MSG *msg = static_cast<const MSG *>(message);
  if (msg->message == WM_SYSCOMMAND && (msg->wParam & 0xFFF0) == kAboutCommand) {
    CAboutDlg about(this);
    about.exec();
    *result = 0;
    return true;
  }
  return QDialog::nativeEvent(eventType, message, result);
}
#endif

void CQuorexDlg::showEvent(QShowEvent *event) {
  QDialog::showEvent(event);
  ListPortsOnce();
  PushPortName();
  ui_->progressBar->setRange(0, Register::kRegisterCount);
}

void CQuorexDlg::ListPortsOnce() {
  if (portsListed_) return;
  portsListed_ = true;
  portName_ = ui_->portChooser->Start();
}

void CQuorexDlg::PushPortName() { ui_->portChooser->SetPortName(portName_); }

void CQuorexDlg::PullPortName() { portName_ = ui_->portChooser->PortName(); }

void CQuorexDlg::StepProgress() {
  QProgressBar *bar = ui_->progressBar;
  const int span = bar->maximum() - bar->minimum();
  int value = qMax(bar->value(), bar->minimum()) + 1;
  if (value > bar->maximum() && span > 0)
    value = (value - bar->minimum()) % span + bar->minimum();
  bar->setValue(value);
}

// Each transfer fills the bar once from the left; its text names the step and the count.
void CQuorexDlg::StartProgress(const QString &phase) {
  QProgressBar *bar = ui_->progressBar;
  bar->setValue(bar->minimum());
  bar->setFormat(tr("%1 %v von %m").arg(phase));
  bar->setTextVisible(true);
}

// Once the buttons are back the bar says nothing, whether the transfer ended well or not;
// the status line says how it ended.
void CQuorexDlg::EmptyProgress() {
  QProgressBar *bar = ui_->progressBar;
  bar->setValue(bar->minimum());
  bar->setTextVisible(false);
}

void CQuorexDlg::SetStatus(const QString &text) { ui_->statusLine->SetStatus(text); }

void CQuorexDlg::StatusFailed(Pressed pressed, const QString &message) {
  QString doing;
  switch (pressed) {
    case Pressed::Senden: doing = tr("Fehler beim Senden: "); break;
    case Pressed::Werkeinstellungen: doing = tr("Fehler beim Zurücksetzen: "); break;
    case Pressed::Vergleichen: doing = tr("Fehler beim Vergleichen: "); break;
    case Pressed::Pruefen: doing = tr("Fehler beim Prüfen: "); break;
    case Pressed::Lesen:
    case Pressed::None: doing = tr("Fehler beim Lesen: "); break;
  }
  SetStatus(doing + message);
}

void CQuorexDlg::OnEntryChosen(QTreeWidgetItem *item) {
  // The page runs its own event loop; running it from inside the tree's signal would keep the
  // tree, the key that chose the entry and any screen reader waiting until it closes. A second
  // choice before it opens replaces the first: one page at a time.
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
  std::unique_ptr<QDialog> page = CreatePage(item->text(0), register_, this);
  if (!page) return;
  if (auto *configPage = qobject_cast<ConfigPage *>(page.get()))
    if (!configPage->CheckRegisters()) return;
  const QStringList before = register_.AllTexts();
  // OK counts as an edit even where it changed nothing; "Schreiben" of the single register
  // dialog changes a register without OK.
  if (page->exec() == QDialog::Accepted || register_.AllTexts() != before) ++edits_;
  page.reset();
  // Back where the technician left off, even where the window system hands the keyboard
  // elsewhere when the page goes.
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
  // While a read runs the tree stays locked; the read gives it back at its end.
  if (about.exec() == QDialog::Rejected && !IsReadPending())
    ui_->configTree->setEnabled(true);
}

void CQuorexDlg::OnVersion() {
  ShowMessage(this, register_.VersionText(), tr("Version des Quorex"), QMessageBox::NoIcon,
              QMessageBox::Ok);
}

bool CQuorexDlg::IsTransferRunning() const { return session_.IsBusy(); }

bool CQuorexDlg::IsReadPending() const {
  return session_.Current() == ConsoleSession::Operation::Read ||
         session_.Current() == ConsoleSession::Operation::Reset;
}

// A write needs the registers until its last command is out, a read or a factory reset is
// about to replace them: no file command may change them meanwhile.
bool CQuorexDlg::IsFileCommandBlocked() const {
  return IsReadPending() ||
         (session_.Current() == ConsoleSession::Operation::Write && !session_.IsReleased());
}

void CQuorexDlg::SetTransferButtons(bool enabled) {
  ui_->sendenButton->setEnabled(enabled);
  ui_->lesenButton->setEnabled(enabled);
  ui_->versionButton->setEnabled(enabled);
  ui_->werkeinstellungenButton->setEnabled(enabled);
  if (!enabled) return;
  EmptyProgress();
  RestoreFocus();
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

void CQuorexDlg::ComplainPortFailed(const QString &detail) {
  ShowMessage(this, ConsoleSession::OpenFailedText(), tr("Fehler"), QMessageBox::Critical,
              QMessageBox::Ok, detail);
}

CQuorexDlg::ButtonStates CQuorexDlg::CurrentButtons() const {
  return {ui_->sendenButton->isEnabled(), ui_->versionButton->isEnabled(),
          ui_->configTree->isEnabled()};
}

// "Lesen" and "Werkeinstellungen" always come back; "Senden", "Version des Quorex" and the
// tree only as they were before the press.
void CQuorexDlg::GiveBack(const ButtonStates &before) {
  ui_->lesenButton->setEnabled(true);
  ui_->werkeinstellungenButton->setEnabled(true);
  if (before.senden) ui_->sendenButton->setEnabled(true);
  if (before.version) ui_->versionButton->setEnabled(true);
  ui_->configTree->setEnabled(before.tree);
  EmptyProgress();
  RestoreFocus();
}

void CQuorexDlg::ConnectSession() {
  connect(&session_, &ConsoleSession::Progress, this, &CQuorexDlg::StepProgress);
  connect(&session_, &ConsoleSession::ReadCompleted, this, [this](const ConsoleRead &read) {
    // Any whole read, a comparison's too, shows the port works.
    ui_->portChooser->RememberPort(portName_);
    if (pressed_ == Pressed::Vergleichen || pressed_ == Pressed::Pruefen) {
      checkTexts_ = read.texts;
      return;
    }
    if (!register_.SetAllTexts(read.texts)) return;
    register_.SetVersionText(read.versionText);
    register_.SetModified(true);
    register_.SetVersion107(read.version107);
    EditsKept(edits_);
    const QString done = pressed_ == Pressed::Werkeinstellungen
                             ? tr("Zurückgesetzt und gelesen: %1 an %2, %3")
                             : tr("Gelesen: %1 an %2, %3");
    SetStatus(done.arg(read.versionText, portName_, QTime::currentTime().toString(
                                                        QStringLiteral("HH:mm:ss"))));
  });
  connect(&session_, &ConsoleSession::ResetSent, this,
          [this] { StartProgress(tr("Lesen")); });
  connect(&session_, &ConsoleSession::Released, this, [this] {
    if (session_.Current() == ConsoleSession::Operation::Write)
      ui_->portChooser->RememberPort(portName_);
    if (pressed_ == Pressed::Vergleichen || pressed_ == Pressed::Pruefen) {
      GiveBack(before_);
      return;
    }
    // The check follows the write; a press meanwhile would cut it off.
    if (pressed_ == Pressed::Senden && verifyThisWrite_) return;
    SetTransferButtons(true);
    if (pressed_ != Pressed::Senden) ui_->configTree->setEnabled(true);
  });
  connect(&session_, &ConsoleSession::Failed, this,
          [this](const QString &message, const QString &detail) {
            StatusFailed(pressed_, message);
            if (pressed_ == Pressed::Pruefen)
              ComplainCheckFailed(message, detail);
            else
              ShowMessage(this, message, tr("Fehler"), QMessageBox::Critical, QMessageBox::Ok,
                          detail);
            if (pressed_ == Pressed::Senden)
              SetTransferButtons(true);
            else
              GiveBack(before_);
          });
  // Results are shown once the session has wholly ended, from a queued call, so no message
  // box runs inside the session's signal; they take what they show with them.
  connect(&session_, &ConsoleSession::Finished, this, [this] {
    if (pressed_ == Pressed::Senden) {
      EditsKept(editsSent_);
      SetStatus(tr("Gesendet: %1 Register an %2, %3")
                    .arg(writtenTexts_.size())
                    .arg(portName_, QTime::currentTime().toString(QStringLiteral("HH:mm:ss"))));
    }
    if (pressed_ == Pressed::Senden && verifyThisWrite_) {
      QMetaObject::invokeMethod(
          this, [this] { StartCheckRead(Pressed::Pruefen); }, Qt::QueuedConnection);
    } else if (pressed_ == Pressed::Vergleichen || pressed_ == Pressed::Pruefen) {
      QMetaObject::invokeMethod(
          this,
          [this, purpose = pressed_, texts = checkTexts_] { ShowCheckResult(purpose, texts); },
          Qt::QueuedConnection);
    }
  });
}

void CQuorexDlg::OnSenden() {
  RememberFocus();
  PullPortName();
  session_.Abort();
  SetTransferButtons(false);
  pressed_ = Pressed::Senden;
  // The check compares with what went out, whatever the program holds by then.
  verifyThisWrite_ = verifyAfterWrite_;
  writtenTexts_ = register_.AllTexts();
  editsSent_ = edits_;
  if (!session_.StartWrite(portName_, register_.AllTexts())) {
    StatusFailed(pressed_, ConsoleSession::OpenFailedText());
    ComplainPortFailed(session_.PortError());
    SetTransferButtons(true);
    return;
  }
  StartProgress(tr("Senden"));
}

void CQuorexDlg::OnLesen() {
  if (!SaveEditsFirst()) return;
  RememberFocus();
  PullPortName();
  session_.Abort();
  // "Senden" and with it "Version des Quorex" are only taken away, and given back, when
  // "Senden" was usable: before anything sensible is loaded they stay as they are.
  const bool sendenWasEnabled = ui_->sendenButton->isEnabled();
  before_ = {sendenWasEnabled, sendenWasEnabled, ui_->configTree->isEnabled()};
  pressed_ = Pressed::Lesen;
  if (sendenWasEnabled) {
    ui_->sendenButton->setEnabled(false);
    ui_->versionButton->setEnabled(false);
  }
  ui_->lesenButton->setEnabled(false);
  ui_->werkeinstellungenButton->setEnabled(false);
  if (!session_.StartRead(portName_)) {
    StatusFailed(pressed_, ConsoleSession::OpenFailedText());
    ComplainPortFailed(session_.PortError());
    GiveBack(before_);
    return;
  }
  // No page may be open while the answer replaces the registers.
  ui_->configTree->setEnabled(false);
  StartProgress(tr("Lesen"));
}

void CQuorexDlg::OnWerkeinstellungen() {
  if (!SaveEditsFirst()) return;
  RememberFocus();
  PullPortName();
  session_.Abort();
  const ButtonStates before = CurrentButtons();
  SetTransferButtons(false);
  const auto answer = ShowMessage(this, tr("Gerät auf Werkeinstellungen zurücksetzen?"),
                                  tr("Werkeinstellungen"), QMessageBox::Warning,
                                  QMessageBox::Ok | QMessageBox::Cancel, QString(),
                                  QMessageBox::Cancel);
  if (answer != QMessageBox::Ok) {
    SetTransferButtons(true);
    return;
  }
  // A read that fails after the reset gives back only what this press took: "Senden" must not
  // come back where nothing sensible was ever loaded.
  before_ = before;
  pressed_ = Pressed::Werkeinstellungen;
  // From here until the following read has ended no page may be opened: that read replaces
  // every register.
  ui_->configTree->setEnabled(false);
  if (!session_.StartReset(portName_)) {
    StatusFailed(pressed_, ConsoleSession::OpenFailedText());
    ComplainPortFailed(session_.PortError());
    SetTransferButtons(true);
    ui_->configTree->setEnabled(before.tree);
  }
}

bool CQuorexDlg::SaveChangesFirst() { return !register_.IsModified() || AskSaveFirst(); }

bool CQuorexDlg::SaveEditsFirst() { return !HasUnsavedEdits() || AskSaveFirst(); }

bool CQuorexDlg::AskSaveFirst() {
  const auto answer = ShowMessage(
      this, tr("Die Einstellungen wurden geändert.\nWollen Sie die Änderungen vorher speichern?"),
      tr("Änderungen Speichern"), QMessageBox::Question,
      QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
  if (answer == QMessageBox::Yes) return Save();
  return answer == QMessageBox::No;
}

void CQuorexDlg::New() {
  if (IsFileCommandBlocked() || !SaveChangesFirst()) return;
  register_.Reset();
  // Whatever was edited is gone for good now.
  EditsKept(edits_);
  SetStatus(tr("Neu: alle Register 00000000"));
}

bool CQuorexDlg::Open() {
  if (IsFileCommandBlocked() || !SaveChangesFirst()) return false;
  const QString path = DialogSeam::Instance().AskOpenFileName(this);
  if (path.isEmpty()) return false;
  return OpenFile(path);
}

bool CQuorexDlg::OpenFile(const QString &path) {
  QString error;
  if (!register_.LoadFromFile(path, &error)) {
    SetStatus(tr("Fehler beim Öffnen: ") + error);
    ShowMessage(this, error, tr("Fehler"), QMessageBox::Critical, QMessageBox::Ok);
    return false;
  }
  // The image now equals the file.
  register_.SetModified(false);
  EditsKept(edits_);
  SetStatus(tr("Geöffnet: ") + QFileInfo(path).fileName());
  ui_->sendenButton->setEnabled(true);
  ui_->configTree->setEnabled(true);
  RememberFile(path);
  return true;
}

bool CQuorexDlg::OpenKnownFile(const QString &path) {
  if (IsFileCommandBlocked() || !SaveChangesFirst()) return false;
  return OpenFile(path);
}

bool CQuorexDlg::SaveTo(const QString &path) {
  const QString previous = register_.FilePath();
  register_.SetFilePath(path);
  QString error;
  if (!register_.SaveToFile(&error)) {
    register_.SetFilePath(previous);
    SetStatus(tr("Fehler beim Speichern: ") + error);
    ShowMessage(this, error, tr("Fehler"), QMessageBox::Critical, QMessageBox::Ok);
    return false;
  }
  register_.SetModified(false);
  EditsKept(edits_);
  SetStatus(tr("Gespeichert: ") + QFileInfo(path).fileName());
  RememberFile(path);
  return true;
}

bool CQuorexDlg::Save() {
  if (!register_.FilePath().isEmpty()) return SaveTo(register_.FilePath());
  const QString path = DialogSeam::Instance().AskSaveFileName(this);
  if (path.isEmpty()) return false;
  if (!SaveTo(path)) return false;
  ShowMessage(this, tr("gespeichert in: ") + QDir::toNativeSeparators(path));
  return true;
}

bool CQuorexDlg::SaveAs() {
  const QString path = DialogSeam::Instance().AskSaveFileName(this);
  if (path.isEmpty()) return false;
  return SaveTo(path);
}

bool CQuorexDlg::MayClose() {
  // Cutting a write or the reset command off would leave the console half programmed.
  if (session_.IsOnTheLine()) {
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
  if (answer == QMessageBox::Yes) return Save();
  return true;
}

void CQuorexDlg::EndProgram() {
  Preferences().SetWindowGeometry(saveGeometry());
  closing_ = true;
  session_.Abort();
  QDialog::done(QDialog::Accepted);
}

void CQuorexDlg::accept() {
  if (MayClose()) EndProgram();
}

void CQuorexDlg::reject() {
  if (MayClose()) EndProgram();
}

void CQuorexDlg::closeEvent(QCloseEvent *event) {
  if (closing_ || MayClose()) {
    if (!closing_) Preferences().SetWindowGeometry(saveGeometry());
    closing_ = true;
    session_.Abort();
    event->accept();
    QDialog::done(QDialog::Accepted);
  } else {
    event->ignore();
  }
}

// Enter presses the push button that has the focus; anywhere else it ends the program, as
// Escape does.
void CQuorexDlg::keyPressEvent(QKeyEvent *event) {
  if (!HandleEnterKey(*this, event)) QDialog::keyPressEvent(event);
}

void CQuorexDlg::dragEnterEvent(QDragEnterEvent *event) {
  if (!RegisterFileIn(event->mimeData()).isEmpty() && !IsFileCommandBlocked())
    event->acceptProposedAction();
  else
    event->ignore();
}

void CQuorexDlg::dropEvent(QDropEvent *event) {
  const QString path = RegisterFileIn(event->mimeData());
  if (path.isEmpty() || IsFileCommandBlocked()) {
    event->ignore();
    return;
  }
  event->acceptProposedAction();
  // The drag source waits until the drop returns; the question about unsaved changes must not
  // hold it up.
  QMetaObject::invokeMethod(
      this, [this, path] { OpenKnownFile(path); }, Qt::QueuedConnection);
}

void CQuorexDlg::SetVerifyAfterWrite(bool verify) {
  verifyAfterWrite_ = verify;
  QSettings().setValue(QLatin1String(kVerifyAfterWriteKey), verify);
}

// The version text only once a console has given one; before that the image holds a hint for
// the version box, which is no version.
QString CQuorexDlg::ReportHtml() const {
  SettingsReport::Input input = SettingsReport::FromImage(register_, QDateTime::currentDateTime());
  if (input.versionText == Register::kVersionHint) input.versionText.clear();
  return SettingsReport(input).Html();
}

void CQuorexDlg::SaveReport() {
  if (IsTransferRunning()) return;
  QString filter;
  const QString path = DialogSeam::Instance().AskReportFileName(this, &filter);
  if (path.isEmpty()) return;
  // A typed ending wins over the file type shown in the dialog.
  const QString suffix = QFileInfo(path).suffix().toLower();
  const bool html = suffix == QLatin1String("html") || suffix == QLatin1String("htm") ||
                    (suffix != QLatin1String("pdf") && filter == DialogSeam::ReportHtmlFilter());
  QString error;
  if (!ReportFile::Save(ReportHtml(), path, html ? ReportFile::Kind::Html : ReportFile::Kind::Pdf,
                        SettingsReport::Title(), &error)) {
    SetStatus(tr("Fehler beim Speichern des Berichts: ") + error);
    ShowMessage(this, error, tr("Fehler"), QMessageBox::Critical, QMessageBox::Ok);
    return;
  }
  SetStatus(tr("Bericht gespeichert: ") + QFileInfo(path).fileName());
}

void CQuorexDlg::PrintReport() {
  if (IsTransferRunning()) return;
  QPrinter printer(QPrinter::HighResolution);
  printer.setDocName(SettingsReport::Title());
  // QTextDocument::print() keeps 2 cm margins of its own inside the printable area.
  printer.setPageMargins(QMarginsF(), QPageLayout::Millimeter);
  if (!DialogSeam::Instance().AskPrinter(this, printer)) return;
  QTextDocument document;
  document.setHtml(ReportHtml());
  document.print(&printer);
  if (printer.printerState() == QPrinter::Error) {
    SetStatus(tr("Der Bericht konnte nicht gedruckt werden."));
    ShowMessage(this, tr("Der Bericht konnte nicht gedruckt werden."), tr("Fehler"),
                QMessageBox::Critical, QMessageBox::Ok);
    return;
  }
  SetStatus(tr("Bericht gedruckt"));
}

void CQuorexDlg::CompareWithFile() {
  if (IsTransferRunning()) return;
  const QString path = DialogSeam::Instance().AskOpenFileName(this);
  if (path.isEmpty()) return;
  Register file;
  QString error;
  if (!file.LoadFromFile(path, &error)) {
    ShowMessage(this, error, tr("Fehler"), QMessageBox::Critical, QMessageBox::Ok);
    return;
  }
  ShowComparison(register_.AllTexts(), file.AllTexts(), tr("Vergleich mit Datei"),
                 tr("Einstellungen, die sich im Programm und in der Datei %1 unterscheiden:")
                     .arg(QDir::toNativeSeparators(path)),
                 tr("Im Programm"), tr("In der Datei"));
}

void CQuorexDlg::CompareWithConsole() {
  if (IsTransferRunning() || !ui_->sendenButton->isEnabled()) return;
  RememberFocus();
  PullPortName();
  StartCheckRead(Pressed::Vergleichen);
}

// Buttons and tree as during "Lesen": nothing may start on the console or change the
// registers being compared until the read has ended.
bool CQuorexDlg::StartCheckRead(Pressed purpose) {
  checkTexts_.clear();
  pressed_ = purpose;
  // A check gives back what the write it follows would have given back.
  before_ = purpose == Pressed::Pruefen ? ButtonStates{true, true, ui_->configTree->isEnabled()}
                                        : CurrentButtons();
  SetTransferButtons(false);
  if (!session_.StartRead(portName_)) {
    StatusFailed(purpose, ConsoleSession::OpenFailedText());
    if (purpose == Pressed::Pruefen)
      ComplainCheckFailed(ConsoleSession::OpenFailedText(), session_.PortError());
    else
      ComplainPortFailed(session_.PortError());
    GiveBack(before_);
    return false;
  }
  ui_->configTree->setEnabled(false);
  StartProgress(purpose == Pressed::Pruefen ? tr("Prüfen") : tr("Lesen"));
  return true;
}

// The write itself went through; only its check did not.
void CQuorexDlg::ComplainCheckFailed(const QString &message, const QString &detail) {
  ShowMessage(this,
              tr("Die Register wurden gesendet, konnten zur Prüfung aber nicht aus dem Quorex "
                 "zurückgelesen werden.") +
                  QStringLiteral("\n\n") + message,
              tr("Prüfung nach dem Senden"), QMessageBox::Warning, QMessageBox::Ok, detail);
}

void CQuorexDlg::ShowCheckResult(Pressed purpose, const QStringList &texts) {
  if (purpose == Pressed::Vergleichen) {
    ShowComparison(register_.AllTexts(), texts, tr("Vergleich mit Quorex"),
                   tr("Einstellungen, die sich im Programm und im Quorex am Port %1 "
                      "unterscheiden:")
                       .arg(portName_),
                   tr("Im Programm"), tr("Im Quorex"));
    return;
  }
  // Passed only when every character came back as sent; the list names the settings.
  const QString now = QTime::currentTime().toString(QStringLiteral("HH:mm:ss"));
  int differing = 0;
  for (int reg = 0; reg < writtenTexts_.size(); ++reg)
    if (reg >= texts.size() || texts.at(reg) != writtenTexts_.at(reg)) ++differing;
  if (differing == 0) {
    SetStatus(tr("Geprüft: alle %1 Register gleich, %2").arg(writtenTexts_.size()).arg(now));
    ShowMessage(this, tr("Alle 200 Register wurden geschrieben und geprüft."),
                tr("Prüfung nach dem Senden"), QMessageBox::Information, QMessageBox::Ok);
    return;
  }
  SetStatus(tr("Geprüft: %1 von %2 Registern abweichend, %3")
                .arg(differing)
                .arg(writtenTexts_.size())
                .arg(now));
  ShowDifferences(SettingsCatalog().Compare(writtenTexts_, texts),
                  tr("Prüfung nach dem Senden fehlgeschlagen"),
                  tr("Der Quorex am Port %1 hat nach dem Senden nicht alle Einstellungen "
                     "übernommen. Bitte senden Sie die Einstellungen erneut.")
                      .arg(portName_),
                  tr("Gesendet"), tr("Im Quorex"));
}

void CQuorexDlg::ShowComparison(const QStringList &program, const QStringList &other,
                                const QString &title, const QString &summary,
                                const QString &programColumn, const QString &otherColumn) {
  const auto differences = SettingsCatalog().Compare(program, other);
  const int count = int(differences.size());
  const QString found = count == 0   ? tr("keine Unterschiede")
                        : count == 1 ? tr("1 Einstellung verschieden")
                                     : tr("%1 Einstellungen verschieden").arg(count);
  SetStatus(tr("%1: %2, %3").arg(title, found,
                                 QTime::currentTime().toString(QStringLiteral("HH:mm:ss"))));
  if (differences.empty()) {
    ShowMessage(this, tr("Keine Unterschiede."), title, QMessageBox::Information,
                QMessageBox::Ok);
    return;
  }
  ShowDifferences(differences, title, summary, programColumn, otherColumn);
}

// Not modal: the technician can keep the list open beside the pages while putting things
// right. A new comparison replaces the old list.
void CQuorexDlg::ShowDifferences(const std::vector<SettingsCatalog::Difference> &differences,
                                 const QString &title, const QString &summary,
                                 const QString &programColumn, const QString &otherColumn) {
  if (compareDialog_) compareDialog_->close();
  auto *dialog = new CompareDialog(differences, programColumn, otherColumn, summary, this);
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  dialog->setWindowTitle(title);
  KeepTitleVisible(*dialog);
  compareDialog_ = dialog;
  dialog->show();
  // The list takes the keyboard at once: arrows, Ctrl+C and Escape work without a click.
  dialog->raise();
  dialog->activateWindow();
}
