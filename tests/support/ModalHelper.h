// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDialog>

#include <functional>
#include <memory>

// Runs `act` on the next modal dialog that opens (such as a page opened from the tree), so a
// test can look at it and close it while the code under test waits in exec(). Answers a flag
// that turns true once `act` has run.
std::shared_ptr<bool> OnNextModal(std::function<void(QDialog *)> act, int timeoutMs = 5000);
