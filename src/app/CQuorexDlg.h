#pragma once

#include "ConsoleSession.h"
#include "Register.h"
#include "SettingsCatalog.h"
#include "Timing.h"

#include <QDialog>
#include <QPointer>
#include <QPushButton>
#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

class CompareDialog;
class QAction;
class QMenu;
class QMenuBar;
class QTreeWidgetItem;

namespace Ui {
class CQuorexDlg;
}

// The program's one window: port choice, the four console buttons, progress bar, the tree of
// configuration pages, the "&Datei" menu and the "&Extras" menu (settings report, comparisons,
// check after writing). It owns the register image for the whole run.
class CQuorexDlg : public QDialog {
  Q_OBJECT

 public:
  explicit CQuorexDlg(QWidget *parent = nullptr);
  ~CQuorexDlg() override;

  Register &Image() { return register_; }
  const ConsoleSession &Session() const { return session_; }
  QMenuBar *MenuBar() const { return menuBar_; }

  // Steps the progress bar once; past its end it starts over from the left.
  void StepProgress();

  // The console's pacing for transfers started from now on (tests shorten it).
  void SetTiming(const Timing &timing) { session_.SetTiming(timing); }
  const Timing &TransferTiming() const { return session_.GetTiming(); }
  // True while a transfer or a factory reset still holds the console.
  bool IsTransferRunning() const;
  // True from the press of "Lesen" (or a confirmed factory reset) until that read has ended:
  // the registers are about to be replaced, so no page and no file may change them. A read for
  // a comparison or the check after writing counts too: it is compared with the registers as
  // they are.
  bool IsReadPending() const;

  // The file commands of the "&Datei" menu. Each answers whether it went through.
  void New();
  bool Open();
  // Loads a register file as "Öffnen ..." does once the name is chosen: a file that is not a
  // valid register file is refused with a message and changes nothing. Asks nothing first;
  // the caller has dealt with unsaved changes and a pending read.
  bool OpenFile(const QString &path);
  // Opens a file known without a file dialog (a recent file, a dropped file) as "Öffnen ..."
  // does: refused while a transfer needs the registers, and unsaved changes are offered for
  // saving first.
  bool OpenKnownFile(const QString &path);
  bool Save();
  bool SaveAs();
  // The closing question; answers whether the program may end now.
  bool MayClose();

 public slots:
  void accept() override;  // Enter
  void reject() override;  // Escape, close box

 protected:
  void showEvent(QShowEvent *event) override;
  void keyPressEvent(QKeyEvent *event) override;
  void closeEvent(QCloseEvent *event) override;
  void dragEnterEvent(QDragEnterEvent *event) override;
  void dropEvent(QDropEvent *event) override;
#ifdef Q_OS_WIN
  bool nativeEvent(const QByteArray &eventType, void *message, qintptr *result) override;
#endif

 private:
  void BuildMenu();
  void BuildExtrasMenu();
  void BuildTree();
  void AddAboutToWindowMenu();
  void ListPortsOnce();
  void FillRecentMenu();
  // A register file opened or saved: first in "Zuletzt geöffnet", its folder the dialogs'.
  void RememberFile(const QString &path);
  void PushPortName();
  void PullPortName();
  void OnEntryChosen(QTreeWidgetItem *item);
  void OpenPendingPage();
  void OpenPage(QTreeWidgetItem *item);
  void OnHilfe();
  void OnInfo();
  void OnVersion();
  void OnSenden();
  void OnLesen();
  void OnWerkeinstellungen();
  void SaveReport();
  void PrintReport();
  void CompareWithFile();
  void CompareWithConsole();
  void SetVerifyAfterWrite(bool verify);

  // What a failed read or factory reset gives back: "Lesen" and "Werkeinstellungen" always;
  // "Senden", "Version des Quorex" and the tree only if set here.
  struct ButtonStates {
    bool senden = false;
    bool version = false;
    bool tree = false;
  };
  // Vergleichen and Pruefen read the console into checkTexts_, never into the image.
  enum class Pressed { None, Senden, Lesen, Werkeinstellungen, Vergleichen, Pruefen };
  ButtonStates CurrentButtons() const;
  void GiveBack(const ButtonStates &before);
  void ConnectSession();
  void SetTransferButtons(bool enabled);
  // `phase` names the step in the bar: "Lesen", "Senden", "Prüfen".
  void StartProgress(const QString &phase);
  void EmptyProgress();
  void SetStatus(const QString &text);
  void StatusFailed(Pressed pressed, const QString &message);
  bool HasUnsavedEdits() const { return edits_ != editsKept_; }
  // The registers match a file or the console again, up to the edit numbered `edits`.
  void EditsKept(int edits) { editsKept_ = qMax(editsKept_, edits); }
  // Before a read replaces edits that are in no file and were not sent.
  bool SaveEditsFirst();
  bool AskSaveFirst();
  void RememberFocus();
  void RestoreFocus();
  void ComplainPortFailed(const QString &detail);
  bool IsFileCommandBlocked() const;
  // Offers to save unsaved changes before they would be replaced; answers whether to go on.
  bool SaveChangesFirst();
  bool SaveTo(const QString &path);
  void EndProgram();
  QString ReportHtml() const;
  bool StartCheckRead(Pressed purpose);
  void ShowCheckResult(Pressed purpose, const QStringList &texts);
  void ComplainCheckFailed(const QString &message, const QString &detail);
  // "Keine Unterschiede." when the two sets are equal, else the compare dialog.
  void ShowComparison(const QStringList &program, const QStringList &other, const QString &title,
                      const QString &summary, const QString &programColumn,
                      const QString &otherColumn);
  void ShowDifferences(const std::vector<SettingsCatalog::Difference> &differences,
                       const QString &title, const QString &summary,
                       const QString &programColumn, const QString &otherColumn);

  Register register_;
  std::unique_ptr<Ui::CQuorexDlg> ui_;
  QMenuBar *menuBar_ = nullptr;
  QMenu *recentMenu_ = nullptr;
  bool portsListed_ = false;
  QString portName_;
  bool closing_ = false;
  // The tree entry whose page opens once the tree's signal has returned. The tree keeps its
  // entries for the window's whole life.
  QTreeWidgetItem *pendingPage_ = nullptr;
  // Counts the pages closed with OK (or that changed a register); editsKept_ is the count at
  // which the registers last matched a file or the console, editsSent_ the count a running
  // write took with it.
  int edits_ = 0;
  int editsKept_ = 0;
  int editsSent_ = 0;

  ConsoleSession session_;
  Pressed pressed_ = Pressed::None;
  ButtonStates before_;
  QPointer<QPushButton> focusBeforeTransfer_;

  // Read back what a write has sent, and compare.
  bool verifyAfterWrite_ = false;
  bool verifyThisWrite_ = false;
  QStringList writtenTexts_;
  // What a read for a comparison or a check brought; the image stays as it was.
  QStringList checkTexts_;
  QPointer<CompareDialog> compareDialog_;
};
