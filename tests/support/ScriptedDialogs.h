#pragma once

#include "DialogSeam.h"

#include <QList>
#include <QString>
#include <QStringList>

// Stands in for every message box and file dialog while installed: records what was shown
// and answers from the scripts below, so no test ever blocks on a modal box.
class ScriptedDialogs : public DialogSeam {
 public:
  struct Shown {
    QString text;
    QString caption;  // as given; empty means the application's name
    QMessageBox::Icon icon;
    QMessageBox::StandardButtons buttons;
    QString detailedText;
    QMessageBox::StandardButton defaultButton;
  };

  ScriptedDialogs() { DialogSeam::Install(this); }
  ~ScriptedDialogs() override { DialogSeam::Install(nullptr); }

  QMessageBox::StandardButton ShowMessage(QWidget *owner, const QString &text,
                                          const QString &caption, QMessageBox::Icon icon,
                                          QMessageBox::StandardButtons buttons,
                                          const QString &detailedText,
                                          QMessageBox::StandardButton defaultButton) override;
  QString AskOpenFileName(QWidget *owner) override;
  QString AskSaveFileName(QWidget *owner) override;

  // Answers for the next boxes, in order; when none is left a box answers as a technician
  // pressing Enter would: its default button, or else its first one (OK, Yes).
  QList<QMessageBox::StandardButton> answers;
  // File names for the next file dialogs; an empty name (or none left) means cancelled.
  QStringList openNames;
  QStringList saveNames;

  QList<Shown> shown;
  int openDialogs = 0;
  int saveDialogs = 0;

  const Shown &Last() const { return shown.constLast(); }
};
