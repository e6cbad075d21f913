// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TransferStates.h"

#include "LogOperation.h"

#include <QCoreApplication>

#include <array>

namespace {

// Keep: as it stands. Restore: as it stood when the job began. WithSenden: where "Senden" was
// usable when the job began, whatever "Senden" gets in the same step, else as it stands
// ("Version des Quorex" is taken and given back together with "Senden").
enum class Change : unsigned char { Keep, On, Off, Restore, WithSenden };

constexpr Change K = Change::Keep;
constexpr Change I = Change::On;
constexpr Change O = Change::Off;
constexpr Change R = Change::Restore;
constexpr Change S = Change::WithSenden;

// "Senden", "Lesen", "Version des Quorex", "Werkeinstellungen", tree, undo and redo.
using Changes = std::array<Change, 6>;

#define N(text) QT_TRANSLATE_NOOP("TransferStates", text)

// What is said of a job, untranslated (JobTexts).
struct Said {
  const char *operation;
  const char *progress;
  const char *done;
  const char *failurePrefix;
  const char *failureLead = nullptr;
  const char *boxCaption = N("Fehler");
  const char *boxLead = nullptr;
  bool boxWarns = false;
};

struct Row {
  ConsoleJob job;
  Changes asked, cancelled, started, portFailed, released, failed;
  Said said;
  bool takesRead = false;
};

// The tree is never taken away for a write; a read, the factory reset's read and the reads of
// a comparison or a check take it, as they replace or are compared with the registers. The
// command line's jobs (version, verify) have the comparison's row; no window shows them. A
// failed read gives back only what its press took: "Senden" stays away where nothing sensible
// was ever loaded. The backup read before a write gives the tree back but keeps the buttons:
// the write follows at once. Undo and redo stay away while a read runs and until a write has
// sent its last command; a page changed meanwhile is a step of its own all the same. The read
// that shows what "Senden" would change keeps the buttons until the technician has answered.
const Row kRows[] = {
    // job                      asked               cancelled           started             port failed         released            failed
    {ConsoleJob::Read,          {K, K, K, K, K, K}, {K, K, K, K, K, K}, {O, O, S, O, O, O}, {R, I, S, I, R, I}, {I, I, I, I, I, I}, {R, I, S, I, R, I},
     {LogOperation::kRead, N("Lesen"), N("Gelesen: %1 an %2, %3"), N("Fehler beim Lesen: ")},
     true},
    {ConsoleJob::Write,         {K, K, K, K, K, K}, {K, K, K, K, K, K}, {O, O, O, O, K, O}, {I, I, I, I, K, I}, {I, I, I, I, K, I}, {I, I, I, I, K, I},
     {LogOperation::kWrite, N("Senden"), N("Gesendet: %1 Register an %2, %3"),
      N("Fehler beim Senden: ")}},
    {ConsoleJob::WriteAndCheck, {K, K, K, K, K, K}, {K, K, K, K, K, K}, {O, O, O, O, K, O}, {I, I, I, I, K, I}, {K, K, K, K, K, I}, {I, I, I, I, K, I},
     {LogOperation::kWrite, N("Senden"), N("Gesendet: %1 Register an %2, %3"),
      N("Fehler beim Senden: ")}},
    {ConsoleJob::Reset,         {O, O, O, O, K, K}, {I, I, I, I, K, K}, {O, O, O, O, O, O}, {I, I, I, I, R, I}, {I, I, I, I, I, I}, {R, I, R, I, R, I},
     {LogOperation::kReset, N("Lesen"), N("Zurückgesetzt und gelesen: %1 an %2, %3"),
      N("Fehler beim Zurücksetzen: ")},
     true},
    {ConsoleJob::Compare,       {K, K, K, K, K, K}, {K, K, K, K, K, K}, {O, O, O, O, O, O}, {R, I, R, I, R, I}, {R, I, R, I, R, I}, {R, I, R, I, R, I},
     {LogOperation::kCompare, N("Lesen"), nullptr, N("Fehler beim Vergleichen: ")}},
    {ConsoleJob::Check,         {K, K, K, K, K, K}, {K, K, K, K, K, K}, {O, O, O, O, O, O}, {I, I, I, I, R, I}, {I, I, I, I, R, I}, {I, I, I, I, R, I},
     {LogOperation::kVerify, N("Prüfen"), nullptr, N("Fehler beim Prüfen: "), nullptr,
      N("Prüfung nach dem Senden"),
      N("Die Register wurden gesendet, konnten zur Prüfung aber nicht aus dem Quorex "
        "zurückgelesen werden.\n\n"),
      true}},
    {ConsoleJob::Backup,        {K, K, K, K, K, K}, {K, K, K, K, K, K}, {O, O, O, O, O, O}, {I, I, I, I, R, I}, {K, K, K, K, R, K}, {I, I, I, I, R, I},
     {LogOperation::kBackup, N("Sichern"), nullptr, N("Fehler beim Sichern: "),
      N("Der Quorex konnte vor dem Senden nicht gesichert werden. Es wurde nichts "
        "gesendet.\n\n")}},
    {ConsoleJob::Preview,       {K, K, K, K, K, K}, {I, I, I, I, R, I}, {O, O, O, O, O, O}, {I, I, I, I, R, I}, {K, K, K, K, R, K}, {I, I, I, I, R, I},
     {LogOperation::kCompare, N("Vergleichen"), nullptr, N("Fehler beim Vergleichen: "),
      N("Der Quorex konnte vor dem Senden nicht gelesen werden. Es wurde nichts "
        "gesendet.\n\n")}},
    {ConsoleJob::Apply,         {K, K, K, K, K, K}, {K, K, K, K, K, K}, {O, O, O, O, O, O}, {I, I, I, I, R, I}, {K, K, K, K, R, K}, {I, I, I, I, R, I},
     {LogOperation::kBackup, N("Sichern"), nullptr, N("Fehler beim Sichern: "),
      N("Der Quorex konnte vor dem Senden nicht gesichert werden. Es wurde nichts "
        "gesendet.\n\n")}},
    {ConsoleJob::Version,       {K, K, K, K, K, K}, {K, K, K, K, K, K}, {O, O, O, O, O, O}, {R, I, R, I, R, I}, {R, I, R, I, R, I}, {R, I, R, I, R, I},
     {LogOperation::kVersion, N("Lesen"), nullptr, N("Fehler beim Lesen: ")}},
    {ConsoleJob::Verify,        {K, K, K, K, K, K}, {K, K, K, K, K, K}, {O, O, O, O, O, O}, {R, I, R, I, R, I}, {R, I, R, I, R, I}, {R, I, R, I, R, I},
     {LogOperation::kVerify, N("Prüfen"), nullptr, N("Fehler beim Prüfen: ")}},
};

#undef N

const Changes &ChangesOf(const Row &row, JobStep step) {
  switch (step) {
    case JobStep::Asked: return row.asked;
    case JobStep::Cancelled: return row.cancelled;
    case JobStep::Started: return row.started;
    case JobStep::PortFailed: return row.portFailed;
    case JobStep::Released: return row.released;
    case JobStep::Failed: break;
  }
  return row.failed;
}

bool Applied(Change change, bool now, bool before) {
  switch (change) {
    case Change::On: return true;
    case Change::Off: return false;
    case Change::Restore: return before;
    case Change::Keep:
    case Change::WithSenden: break;
  }
  return now;
}

const Row &RowOf(ConsoleJob job) {
  for (const Row &row : kRows)
    if (row.job == job) return row;
  qFatal("no row for console job %d", int(job));
}

QString Translated(const char *text) {
  return text ? QCoreApplication::translate("TransferStates", text) : QString();
}

}  // namespace

ControlStates TransferStates::After(ConsoleJob job, JobStep step, const ControlStates &now,
                                    const ControlStates &before) {
  for (const Row &row : kRows) {
    if (row.job != job) continue;
    const Changes &c = ChangesOf(row, step);
    ControlStates next;
    next.senden = Applied(c[0], now.senden, before.senden);
    next.lesen = Applied(c[1], now.lesen, before.lesen);
    next.version = c[2] == Change::WithSenden && before.senden
                       ? next.senden
                       : Applied(c[2], now.version, before.version);
    next.werkeinstellungen = Applied(c[3], now.werkeinstellungen, before.werkeinstellungen);
    next.tree = Applied(c[4], now.tree, before.tree);
    next.undo = Applied(c[5], now.undo, before.undo);
    return next;
  }
  return now;
}

// A register file holds sensible settings, so "Senden" and the pages may be used. The about
// box closed with Escape gives the tree, as it always has.
ControlStates TransferStates::After(WindowEvent event, const ControlStates &now) {
  ControlStates next = now;
  next.tree = true;
  if (event == WindowEvent::FileOpened) next.senden = true;
  return next;
}

JobTexts TransferStates::Texts(ConsoleJob job) {
  const Said &said = RowOf(job).said;
  return {QString::fromLatin1(said.operation), Translated(said.progress), Translated(said.done),
          Translated(said.failurePrefix),      Translated(said.failureLead),
          Translated(said.boxCaption),         Translated(said.boxLead),
          said.boxWarns};
}

bool TransferStates::TakesRead(ConsoleJob job) { return RowOf(job).takesRead; }
