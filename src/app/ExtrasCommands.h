#pragma once

#include "SettingsCatalog.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

class CompareDialog;
class ConsoleController;
class QMenu;
class QWidget;
class Register;

// The "&Extras" menu: the settings report saved or printed, the comparison of the program's
// registers with a register file or with the console at `portName`'s port, the list of
// differences, and the choice to check every write by reading it back (remembered between
// runs). Nothing here changes the registers; nothing may hold the port while a job runs.
class ExtrasCommands : public QObject {
  Q_OBJECT

 public:
  ExtrasCommands(QWidget *owner, const Register &image, ConsoleController &controller,
                 std::function<QString()> portName);

  void AddTo(QMenu &extras);
  bool VerifyAfterWrite() const { return verifyAfterWrite_; }

  void SaveReport();
  void PrintReport();
  void CompareWithFile();
  void CompareWithConsole(const QString &port);

 signals:
  // How the last command ended, in one line for the window's status line.
  void Status(const QString &text);

 private:
  QString ReportHtml() const;
  void ShowCheckResult(const QStringList &sent, const QStringList &console);
  void ComplainCheckFailed(const QString &message, const QString &detail);
  // "Keine Unterschiede." when the two sets are equal, else the list of differences.
  void ShowComparison(const QStringList &program, const QStringList &other, const QString &title,
                      const QString &summary, const QString &otherColumn);
  void ShowDifferences(const std::vector<SettingsCatalog::Difference> &differences,
                       const QString &title, const QString &summary,
                       const QString &programColumn, const QString &otherColumn);

  QWidget *owner_;
  const Register &image_;
  ConsoleController &controller_;
  std::function<QString()> portName_;
  bool verifyAfterWrite_ = false;
  QPointer<CompareDialog> compareDialog_;
};
