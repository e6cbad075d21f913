// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TransferStates.h"

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

struct Row {
  ConsoleJob job;
  Changes asked, cancelled, started, portFailed, released, failed;
};

// The tree is never taken away for a write; a read, the factory reset's read and the reads of
// a comparison or a check take it, as they replace or are compared with the registers. A
// failed read gives back only what its press took: "Senden" stays away where nothing sensible
// was ever loaded. The backup read before a write gives the tree back but keeps the buttons:
// the write follows at once. Undo and redo stay away while a read runs and until a write has
// sent its last command; a page changed meanwhile is a step of its own all the same.
const Row kRows[] = {
    // job                      asked               cancelled           started             port failed         released            failed
    {ConsoleJob::Read,          {K, K, K, K, K, K}, {K, K, K, K, K, K}, {O, O, S, O, O, O}, {R, I, S, I, R, I}, {I, I, I, I, I, I}, {R, I, S, I, R, I}},
    {ConsoleJob::Write,         {K, K, K, K, K, K}, {K, K, K, K, K, K}, {O, O, O, O, K, O}, {I, I, I, I, K, I}, {I, I, I, I, K, I}, {I, I, I, I, K, I}},
    {ConsoleJob::WriteAndCheck, {K, K, K, K, K, K}, {K, K, K, K, K, K}, {O, O, O, O, K, O}, {I, I, I, I, K, I}, {K, K, K, K, K, I}, {I, I, I, I, K, I}},
    {ConsoleJob::Reset,         {O, O, O, O, K, K}, {I, I, I, I, K, K}, {O, O, O, O, O, O}, {I, I, I, I, R, I}, {I, I, I, I, I, I}, {R, I, R, I, R, I}},
    {ConsoleJob::Compare,       {K, K, K, K, K, K}, {K, K, K, K, K, K}, {O, O, O, O, O, O}, {R, I, R, I, R, I}, {R, I, R, I, R, I}, {R, I, R, I, R, I}},
    {ConsoleJob::Check,         {K, K, K, K, K, K}, {K, K, K, K, K, K}, {O, O, O, O, O, O}, {I, I, I, I, R, I}, {I, I, I, I, R, I}, {I, I, I, I, R, I}},
    {ConsoleJob::Backup,        {K, K, K, K, K, K}, {K, K, K, K, K, K}, {O, O, O, O, O, O}, {I, I, I, I, R, I}, {K, K, K, K, R, K}, {I, I, I, I, R, I}},
    {ConsoleJob::Apply,         {K, K, K, K, K, K}, {K, K, K, K, K, K}, {O, O, O, O, O, O}, {I, I, I, I, R, I}, {K, K, K, K, R, K}, {I, I, I, I, R, I}},
};

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
