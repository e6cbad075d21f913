// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The console's pacing in milliseconds. The defaults are what a real console needs; tests
// shorten them.
struct Timing {
  // After the port has opened, before "$PROGSTART\r".
  int beforeProgStartMs = 100;
  // Before each read request, counted from the moment the previous one has left the port.
  int beforeRequestMs = 20;
  // Bulk write: after its last byte has left the port, before the buttons come back.
  // Bulk read: after the answer is stored and the port closed, before the buttons come back.
  int afterTransferMs = 1000;
  // After the factory reset command, before reading the console's factory values.
  int afterResetMs = 4000;
  // How long the console may stay silent while an answer is due before we give up on it.
  int silenceTimeoutMs = 3000;
  // Line speed, for telling when the bytes handed to the driver have left the port:
  // 10 bits per byte (start bit, 8 data bits, stop bit).
  int baudRate = 9600;

  // Milliseconds a run of `bytes` needs on the wire.
  double WireMs(long long bytes) const { return bytes * 10.0 * 1000.0 / baudRate; }
};
