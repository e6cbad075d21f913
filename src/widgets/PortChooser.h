// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "PortEntry.h"

#include <QTimer>
#include <QWidget>

#include <functional>

class QComboBox;
class QLabel;

// The "Port:" field: its label, the editable combo box and, under it, a line that says which
// ports this user may not open and how to get the right. The list shows each port with its
// adapter ("ttyUSB0 – FT232R USB UART (FTDI, A10K3XYZ)"); the field holds the name that is
// opened, and any typed name or path is taken as it is.
//
// The list follows the system: it is looked at again when it is opened and every second while
// the window is idle, never while a transfer runs (listing ports touches the devices), and it
// never changes what the user has typed. The ports come from a source the window hands over,
// so that this widget needs no device code and tests can hand it ports of their own.
class PortChooser : public QWidget {
  Q_OBJECT

 public:
  using PortSource = std::function<PortListing()>;
  static constexpr int kRefreshMs = 1000;

  explicit PortChooser(QWidget *parent = nullptr);
  ~PortChooser() override;

  void SetPortSource(PortSource source) { source_ = std::move(source); }
  // Asked before every look at the system: while it answers true the list stays as it is.
  void SetTransferCheck(std::function<bool()> running) { transferRunning_ = std::move(running); }

  // The first listing: lists the ports, from then on follows the system, and answers the port
  // to start with: the remembered adapter under whatever name it has now, else the remembered
  // name, else the first port listed.
  QString Start();
  // What the field holds, trimmed: the port a transfer opens.
  QString PortName() const;
  // Shows `name`: the listed port of that name, else the name as it is.
  void SetPortName(const QString &name);
  // `name` worked: remembered for the next start, with the adapter listed under it.
  void RememberPort(const QString &name);
  // Looks at the system now, unless a transfer runs.
  void Refresh();

  QComboBox *ComboBox() const { return combo_; }
  // The ports offered, in the order shown: those this user may open.
  const QList<PortEntry> &Listed() const { return listed_; }

 protected:
  void showEvent(QShowEvent *event) override;
  void hideEvent(QHideEvent *event) override;

 private:
  void Apply(const PortListing &listing);
  void Fill(const QList<PortEntry> &ports);
  void OnTimer();

  PortSource source_;
  std::function<bool()> transferRunning_;
  QLabel *label_ = nullptr;
  QComboBox *combo_ = nullptr;
  QLabel *hint_ = nullptr;
  QTimer refreshTimer_;
  QList<PortEntry> listed_;
  bool started_ = false;
};
