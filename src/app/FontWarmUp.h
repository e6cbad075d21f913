// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <thread>

// Reads the system's font configuration on a second processor while the application object is
// made. On Linux that reading is the longest single step of a start, and nothing before the
// window's first text needs it; on a machine with two cores or more the window comes that
// much sooner. Elsewhere it does nothing.
class FontWarmUp {
 public:
  FontWarmUp();
  ~FontWarmUp();
  FontWarmUp(const FontWarmUp &) = delete;
  FontWarmUp &operator=(const FontWarmUp &) = delete;

  // Returns once the reading is done; before the first widget asks Qt for a font.
  void Wait();

 private:
  std::thread thread_;
};
